// How the program's own widgets present themselves to assistive technology (AT-SPI on Linux).
// Qt's interfaces serve every other widget; these differ:
//  - MainForm is a window, not the "client area" filler Qt makes of a plain widget;
//  - Tips is a status line that can be pressed like a button. Its caption is its name, and
//    QLabel reports each new caption as a change of name, which the AT-SPI bridge forwards;
//  - a drop-down list of ADC_Init is named by the member it sets, whatever it holds (on Linux Qt
//    names an editable combo box by its text), and its value is its text;
//  - the About picture is a graphic.
#pragma once

namespace Accessibility {
// Registers the interfaces with Qt; calling it again does nothing.
void install();
} // namespace Accessibility
