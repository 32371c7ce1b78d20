#pragma once

// What only the main window's building code uses; the helpers every window
// shares are in window_build.h.
namespace form1build {

// The tabs of the tab panel SSTab1, in their order.
enum MainTab { Datos, Practicas, Teoria, CicloFrigorifico, CartaPsicrometrica, Equipo };

} // namespace form1build
