#include "binview/users/profilestore.h"

#include "binview/users/profiletext.h"
#include "platform/cryptfile.h"
#include "platform/files.h"
#include "platform/text.h"

namespace binview {

using platform::CryptFile;

QString ProfileStore::readValue(const QString &section, const QString &key, const QString &fallback) const
{
    CryptFile file(path_, password_);
    if (!file.open(CryptFile::Mode::Read))
        return fallback;
    return ProfileText(file.text()).value(section, key, fallback);
}

bool ProfileStore::writeValue(const QString &section, const QString &key, const QString &value) const
{
    if (platform::trimBlanks(path_).isEmpty() || platform::trimBlanks(section).isEmpty() ||
        platform::trimBlanks(key).isEmpty() || platform::trimBlanks(value).isEmpty())
        return false;
    CryptFile file(path_, password_);
    if (!file.open(CryptFile::Mode::ReadWrite))
        return false;
    ProfileText text(file.text());
    if (!text.setValue(section, key, value))
        return false;
    file.setText(text.bytes());
    return file.save();
}

bool ProfileStore::deleteSection(const QString &section) const
{
    CryptFile file(path_, password_);
    if (!file.open(CryptFile::Mode::ReadWrite))
        return false;
    ProfileText text(file.text());
    if (!text.removeSection(section))
        return false;
    file.setText(text.bytes());
    return file.save();
}

bool ProfileStore::listSections(QStringList &list) const
{
    CryptFile file(path_, password_);
    if (!file.open(CryptFile::Mode::Read))
        return false;
    list = ProfileText(file.text()).sections();
    return true;
}

bool ProfileStore::listKeys(const QString &section, QStringList &list) const
{
    CryptFile file(path_, password_);
    if (!file.open(CryptFile::Mode::Read))
        return false;
    list = ProfileText(file.text()).keys(section);
    return true;
}

bool ProfileStore::isUnopenable() const
{
    return CryptFile::existsButUnopenable(path_, password_);
}

bool ProfileStore::makeFolderPath(const QString &folder)
{
    return platform::folderExists(folder) || platform::makeFolder(folder);
}

} // namespace binview
