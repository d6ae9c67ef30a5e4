#include "ui/app/colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace rekkan::ui {
namespace {

/// The palette role closest to a system colour index.
QPalette::ColorRole SystemRole(unsigned index) {
    switch (index) {
    case 5: return QPalette::Base;              // window
    case 8: return QPalette::Text;              // window text
    case 13: return QPalette::Highlight;        // highlight
    case 14: return QPalette::HighlightedText;  // highlighted text
    case 15: return QPalette::Button;           // button face
    case 18: return QPalette::ButtonText;       // button text
    case 17: return QPalette::PlaceholderText;  // grey text
    default: return QPalette::Window;
    }
}

}  // namespace

QColor FromBgr(int bgr) {
    const auto value = static_cast<unsigned>(bgr);
    if (value & 0x80000000u) return QGuiApplication::palette().color(SystemRole(value & 0xFFu));
    return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                  static_cast<int>((value >> 16) & 0xFFu));
}

int ToBgr(const QColor& colour) { return colour.red() | (colour.green() << 8) | (colour.blue() << 16); }

}  // namespace rekkan::ui
