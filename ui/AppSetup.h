// What the window program sets up once, right after creating its QApplication.
#pragma once

namespace brivane::ui {

// Numbers in the C locale for the C library, the application's name, icon and font.
void SetUpApplication();

}  // namespace brivane::ui
