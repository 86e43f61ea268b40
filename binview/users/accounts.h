#pragma once
// User accounts: the user file's names and keys, password digests, the profile start-up that
// every opening of the login window runs, and the administration check.

#include "binview/users/profilestore.h"

#include <QString>

class QWidget;

namespace binview {

class Application;

namespace accounts {

inline const QString kFileName = QStringLiteral("ups.dat");
// The file password is part of the program: the file is protected against casual reading
// and tampering, not against someone who holds the program.
inline const QByteArray kFilePassword = QByteArrayLiteral("kaMilu7");

inline const QString kClassSection = QStringLiteral("分类信息");
inline const QString kPasswordKey = QStringLiteral("口令");
inline const QString kClassKey = QStringLiteral("所属分类");
inline const QString kRememberKey = QStringLiteral("保存口令");
inline const QString kTrue = QStringLiteral("真");
inline const QString kFalse = QStringLiteral("假");

inline const QString kDefaultAdmin = QStringLiteral("Velqa");
inline const QString kDefaultPassword = QStringLiteral("123456");

// MD5 of the text's GB18030 bytes, 32 lowercase hexadecimal digits.
QString passwordDigest(const QString &password);
// The digest the default content gives the default administrator.
QString defaultDigest();

// The store at state().profilePath.
ProfileStore profileStore(Application &app);

enum class StartUp {
    Ready,   // lists loaded; the default content written when the file held no user
    Damaged, // the file is there but does not open: nothing written, no user listed
    Ended    // the folder of the file could not be made (after its message): the caller ends the program
};
// Sets profilePath, makes its folder, loads classNames and userNames into the run state and
// writes the default content when the file holds no user.
StartUp profileStartUp(Application &app, QWidget *parent);

// True when the logged-in user's class has the administration right; otherwise shows the
// refusal and returns false.
bool administrationCheck(Application &app, QWidget *parent);

} // namespace accounts
} // namespace binview
