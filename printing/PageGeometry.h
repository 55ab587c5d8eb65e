// Where everything on a report page goes, in printer dots: the page and its
// content margins, the two rules and the fixed places of the page frame.
#pragma once

#include <QRect>

#include <array>

struct PageGeometry
{
    // False for a layout the report does not know; then nothing is drawn.
    bool valid = false;
    bool landscape = false;

    int DpiX = 0;
    int DpiY = 0;
    int PageWidth = 0;
    int PageHeight = 0;
    int ContentLeft = 0;
    int ContentRight = 0;
    int HeaderRuleY = 0;
    int FooterRuleY = 0;

    // Text positions are the tops of the text lines.
    int headerY = 0;
    int footerY = 0;
    int pageNumberX = 0;
    int titleLine1Y = 0;
    int titleLine2Y = 0;
    QRect logoBox;
    std::array<int, 3> infoRowY{};
    int infoValueX = 0;

    // Font sizes in points; the bigger landscape page takes bigger type.
    int titlePointSize = 0;
    int infoPointSize = 0;
};
