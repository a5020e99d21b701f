// SPDX-License-Identifier: MIT
#pragma once
// The look of the game's windows built from Qt's widgets: gold-rimmed walnut push
// buttons, brass option rings and check boxes, gold level sliders, sunken ivory
// text boxes, groups framed by a gold rule, and every text made smaller until it
// fits the box it is given, so that a longer caption (or another language) never
// runs out of its place.
#include <QProxyStyle>

namespace tonvale {

// How a group box is framed, kept in its "frameLook" property.
namespace framelook {
inline constexpr const char* kProperty = "frameLook";
inline constexpr const char* kRule = "rule";    // a gold rule, the caption set into its top edge
inline constexpr const char* kSheet = "sheet";  // drawn by the window: a walnut sheet and tab
inline constexpr const char* kPanel = "panel";  // an ivory panel, the caption as its heading
}  // namespace framelook

// The colour of a group box's caption, kept in its "titleColour" property.
inline constexpr const char* kTitleColourProperty = "titleColour";

class TheatreStyle : public QProxyStyle {
    Q_OBJECT
public:
    TheatreStyle();

    void drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                       const QWidget* w = nullptr) const override;
    void drawControl(ControlElement ce, const QStyleOption* opt, QPainter* p,
                     const QWidget* w = nullptr) const override;
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                            const QWidget* w = nullptr) const override;
    void drawItemText(QPainter* p, const QRect& r, int flags, const QPalette& pal, bool enabled,
                      const QString& text, QPalette::ColorRole role = QPalette::NoRole) const override;
    int pixelMetric(PixelMetric pm, const QStyleOption* opt = nullptr,
                    const QWidget* w = nullptr) const override;
};

}  // namespace tonvale
