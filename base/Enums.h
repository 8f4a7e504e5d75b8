#pragma once
// Enumerations shared by the pack's controls. Stored settings and the code
// compare ordinals, so the order of the values is part of the contract.

#include <cstdint>

namespace qvx {

// What a left-button drag does in the chart, on a chart scale or on a scale control.
enum class TMouseActMode : uint8_t {
    maNone, maPan, maPanHoriz, maPanVert, maPanGrid, maRubberBand, maZoom, maZoomWind, maZoomWindPos, maZoomDrag,
    maDragCrossH, maDragLabel, maRotate, maRotAndZoom, maRotXOnly, maRotZOnly, maSelectRect, maDrawMTrace,
    maZoomPanColors
};

// How a crosshair is drawn.
enum class TCrossHMode : uint8_t { chOff, chHoriz, chVert, chBoth, chCrossBox, chBox };

// How a text label is drawn; tlOff hides it from drawing and from picking.
enum class TTxtLblMode : uint8_t { tlOff, tlsimple, tlBox, tlUnderline, tlShadow };

// Which coordinates of a text label are world coordinates.
enum class TTxtLblAttachMode : uint8_t { tlamNone, tlamXOnly, tlamYOnly, tlamBoth };

enum class TVerticalAlignment : uint8_t { vaTop, vaCenter, vaBottom };

// Frame around a numeric label or a scale control.
enum class TFrameStyle : uint8_t { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };

// Frame colours: black/white/grey, or the platform's system colours.
enum class TColorScheme : uint8_t { csBWG, csSystem };

// Orientation and label side of a scale.
enum class TScaleType : uint8_t { sctXB, sctXT, sctYL, sctYR };

// Kind of tick labels.
enum class TFigType : uint8_t { ftNoFigs, ftNum, ftTime, ftDateTime, ftUserText };

enum class TTimeFormat : uint8_t { tfHHMMSS, tfHHhMM, tfAMPM };
enum class TYearLength : uint8_t { ylNone, ylYY, ylYYYY };
enum class TDateOrder : uint8_t { doMMDDYY, doDDMMYY, doYYMMDD };
enum class TDateForTime : uint8_t { dtNone, dtOnePerChart, dtOnePerDay, dtAllTicks };

enum class TShadowStyle : uint8_t { ssFlying, ssBox };

// How the chart's background image fills the plot area.
enum class TBkgFill : uint8_t { bfSimple, bfStretch, bfTile };

}  // namespace qvx
