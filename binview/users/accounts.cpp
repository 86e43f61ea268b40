#include "binview/users/accounts.h"

#include "binview/shell/application.h"

#include "platform/text.h"

#include <QCryptographicHash>
#include <QDir>

namespace binview::accounts {

namespace {

// The default content, each list one text whose items end with the separator.
const QString kSeparator = QStringLiteral("★§☆");
const QString kDefaultClassNames = QStringLiteral("仓库管理员★§☆其他人员★§☆");
const QString kDefaultClassFlags = QStringLiteral("真★§☆假★§☆");
const QString kDefaultUserClasses = QStringLiteral("仓库管理员★§☆");

const QString kNoFolderText = QStringLiteral("创建配置文件路径失败。");

QStringList splitList(const QString &text)
{
    return text.split(kSeparator, Qt::SkipEmptyParts);
}

} // namespace

QString passwordDigest(const QString &password)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(platform::toCodePage(password), QCryptographicHash::Md5).toHex());
}

QString defaultDigest()
{
    return passwordDigest(kDefaultPassword);
}

ProfileStore profileStore(Application &app)
{
    return ProfileStore(app.state().profilePath, kFilePassword);
}

StartUp profileStartUp(Application &app, QWidget *parent)
{
    RunState &state = app.state();
    state.profilePath = QDir::cleanPath(app.path(kFileName)); // collapses doubled separators
    const ProfileStore store = profileStore(app);

    const qsizetype slash = state.profilePath.lastIndexOf(u'/');
    const QString folder = slash > 0 ? state.profilePath.left(slash) : QString();
    if (!folder.isEmpty() && !ProfileStore::makeFolderPath(folder)) {
        app.seams().dialogs->message(parent, kNoFolderText, {}, platform::Icon::Critical, platform::Buttons::Ok);
        return StartUp::Ended;
    }

    store.listKeys(kClassSection, state.classNames);
    state.userNames.clear();
    store.listSections(state.userNames);
    state.userNames.removeOne(kClassSection);

    // A file that does not open must not be mistaken for an empty one: writing the default
    // content over it would lose every account and hand out the default administrator.
    if (store.isUnopenable()) {
        state.userNames.clear();
        return StartUp::Damaged;
    }

    if (state.userNames.isEmpty()) {
        state.classNames = splitList(kDefaultClassNames);
        state.classFlags = splitList(kDefaultClassFlags);
        state.userClasses = splitList(kDefaultUserClasses);
        state.userNames = splitList(kDefaultAdmin + kSeparator);
        state.userDigests = splitList(defaultDigest() + kSeparator);
        for (qsizetype i = 0; i < state.classNames.size(); ++i)
            store.writeValue(kClassSection, state.classNames[i], state.classFlags.value(i));
        for (qsizetype i = 0; i < state.userNames.size(); ++i) {
            store.writeValue(state.userNames[i], kPasswordKey, state.userDigests.value(i));
            store.writeValue(state.userNames[i], kClassKey, state.userClasses.value(i));
        }
    }
    return StartUp::Ready;
}

bool administrationCheck(Application &app, QWidget *parent)
{
    const ProfileStore store = profileStore(app);
    const QString userClass = store.readValue(app.state().loggedInUser, kClassKey, {});
    if (store.readValue(kClassSection, userClass, kFalse) == kTrue)
        return true;
    app.seams().dialogs->message(
        parent,
        QStringLiteral("    你所属的分类(级别)是“") + userClass +
            QStringLiteral("”，无执行此操作的权限，请用默认管理\r\n员或其他有此权限的用户身份重新登录！"),
        {}, platform::Icon::Information, platform::Buttons::Ok);
    return false;
}

} // namespace binview::accounts
