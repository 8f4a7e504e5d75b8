#include "resources/ChartCursors.h"

#include <string>

#include "platform/controls/Screen.h"

namespace qvx {

namespace {

// '#' black, 'o' white, anything else transparent; 32 x 32 with hot spots.
TCursorImage Hand()
{
    return TCursorImage::FromArt({
        "      ##",
        "   ## #oo##",
        "  #oo##oo#o#",
        "  #oo##oo#oo#",
        "   #oo#oo#oo# #",
        "   #oo#oo#oo##o#",
        " ## #ooooooo#oo#",
        "#oo##oooooooooo#",
        "#ooo#ooooooooo#",
        " #oooooooooooo#",
        "  #ooooooooooo#",
        "  #oooooooooo#",
        "   #ooooooooo#",
        "    #oooooooo#",
        "     #oooooo#",
        "     #oooooo#",
    }, 8, 8);
}

// A magnifying glass with a mark inside: the zoom cursors differ by the mark.
TCursorImage Magnifier(const char* markRow1, const char* markRow2, const char* markRow3)
{
    std::string r1 = std::string("  #o") + markRow1 + "o#";
    std::string r2 = std::string("  #o") + markRow2 + "o#";
    std::string r3 = std::string("  #o") + markRow3 + "o#";
    return TCursorImage::FromArt({
        "    #####",
        "  ##ooooo##",
        " #ooooooooo#",
        " #ooooooooo#",
        r1.c_str(),
        r2.c_str(),
        r3.c_str(),
        " #ooooooooo#",
        " #ooooooooo#",
        "  ##ooooo###",
        "    ##### ###",
        "           ###",
        "            ###",
        "             ##",
    }, 6, 6);
}

}  // namespace

void LoadChartCursors()
{
    TScreen& screen = Screen();
    screen.SetCursors(crKxHand, Hand());
    screen.SetCursors(crKxZoomWindow, Magnifier("#####", "#ooo#", "#####"));
    screen.SetCursors(crKxZoomDrag, Magnifier("#ooo#", "o###o", "#ooo#"));
    screen.SetCursors(crKxZoomPoint, Magnifier("oo#oo", "#####", "oo#oo"));
}

}  // namespace qvx
