#include "controls/fixed_palette.h"

namespace ejteto {

namespace {

struct RoleColor {
    QPalette::ColorRole role;
    QRgb normal; // active and inactive
    QRgb disabled;
};

// Qt's standard light palette, the one the window was laid out under.
constexpr RoleColor kRoles[] = {
    {QPalette::WindowText, 0xff000000, 0xffbebebe},
    {QPalette::Button, 0xffefefef, 0xffefefef},
    {QPalette::Light, 0xffffffff, 0xffffffff},
    {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
    {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
    {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
    {QPalette::Text, 0xff000000, 0xffbebebe},
    {QPalette::BrightText, 0xffffffff, 0xffffffff},
    {QPalette::ButtonText, 0xff000000, 0xffbebebe},
    {QPalette::Base, 0xffffffff, 0xffefefef},
    {QPalette::Window, 0xffefefef, 0xffefefef},
    {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
    {QPalette::Highlight, 0xff308cc6, 0xff919191},
    {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
    {QPalette::Link, 0xff0000ff, 0xff0000ff},
    {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
    {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
    {QPalette::NoRole, 0xff000000, 0xff000000},
    {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
    {QPalette::ToolTipText, 0xff000000, 0xff000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
};

} // namespace

QPalette fixedLightPalette()
{
    QPalette p;
    for (const RoleColor& c : kRoles) {
        const QColor normal = QColor::fromRgba(c.normal);
        p.setColor(QPalette::Active, c.role, normal);
        p.setColor(QPalette::Inactive, c.role, normal);
        p.setColor(QPalette::Disabled, c.role, QColor::fromRgba(c.disabled));
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    // Newer Qt draws some marks in the accent colour: the highlight's.
    for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(g, QPalette::Accent, p.color(g, QPalette::Highlight));
#endif
    return p;
}

} // namespace ejteto
