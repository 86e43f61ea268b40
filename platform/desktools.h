#pragma once
// The desktop tools both programs start: the system's calculator, text editor and paint program.

#include <QString>

namespace platform {

enum class DeskTool { Calculator, Notepad, Paint };

// On Windows the system's own program ("calc.exe", "notepad.exe", "mspaint.exe"); elsewhere the
// first installed of a short list of equivalents, or that name when none is installed.
QString deskToolProgram(DeskTool tool);

} // namespace platform
