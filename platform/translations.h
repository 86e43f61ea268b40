#pragma once
// Qt's own texts (dialog buttons, file dialogs) in Chinese, to match the programs' texts.

class QCoreApplication;

namespace platform {

// Installs Qt's Simplified Chinese translation when it is present; false when it is not.
bool installChineseQtTranslation(QCoreApplication &app);

} // namespace platform
