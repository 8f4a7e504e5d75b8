#pragma once
// The pack's base unit: shared enumerations, event types, settings objects,
// exception classes and the 3-D frame routine.

#include "base/CrossHair.h"
#include "base/DTLabel.h"
#include "base/DrawFrame3D.h"
#include "base/Enums.h"
#include "base/Events.h"
#include "base/Exceptions.h"
#include "base/TextLabel.h"
