#pragma once
// The numeric display label.

#include "numlab/NumLab.h"
#include "numlab/NumLabFormat.h"
