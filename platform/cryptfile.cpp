#include "platform/cryptfile.h"

#include "platform/files.h"

#include <QFileInfo>

#include <sodium.h>

#include <array>
#include <mutex>
#include <vector>

namespace platform {

namespace {

constexpr char kMagic[4] = {'B', 'V', 'C', 'F'};
constexpr unsigned char kVersion = 1;
constexpr qsizetype kSaltSize = crypto_pwhash_SALTBYTES;
constexpr qsizetype kNonceSize = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr qsizetype kHeaderSize = 4 + 1 + kSaltSize + kNonceSize;
constexpr qsizetype kTagSize = crypto_aead_xchacha20poly1305_ietf_ABYTES;
constexpr size_t kKeySize = crypto_aead_xchacha20poly1305_ietf_KEYBYTES;

using Key = std::array<unsigned char, kKeySize>;

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

// Deriving a key costs tens of milliseconds and 64 MiB by design, and every profile operation
// opens the file anew; a file keeps its salt across rewrites, so the key of a (salt, password)
// pair is derived once per process.
struct CachedKey {
    QByteArray salt;
    QByteArray password;
    Key key;
};

bool deriveKey(const QByteArray &salt, const QByteArray &password, Key &key)
{
    static std::mutex mutex;
    static std::vector<CachedKey> cache;
    const std::lock_guard lock(mutex);
    for (const CachedKey &c : cache) {
        if (c.salt == salt && c.password == password) {
            key = c.key;
            return true;
        }
    }
    if (crypto_pwhash(key.data(), key.size(), password.constData(), static_cast<unsigned long long>(password.size()),
                      reinterpret_cast<const unsigned char *>(salt.constData()), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                      crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13) != 0)
        return false; // out of memory
    if (cache.size() >= 16) {
        sodium_memzero(cache.front().key.data(), kKeySize);
        cache.erase(cache.begin());
    }
    cache.push_back({salt, password, key});
    return true;
}

QByteArray randomBytes(qsizetype n)
{
    QByteArray bytes(n, '\0');
    randombytes_buf(bytes.data(), static_cast<size_t>(n));
    return bytes;
}

enum class Decrypted { Ok, Damaged, NoMemory };

Decrypted decrypt(const QByteArray &file, const QByteArray &password, QByteArray *salt, QByteArray *plain)
{
    if (file.size() < kHeaderSize + kTagSize || !file.startsWith(QByteArray(kMagic, 4)) ||
        static_cast<unsigned char>(file[4]) != kVersion)
        return Decrypted::Damaged;
    const QByteArray fileSalt = file.mid(5, kSaltSize);
    const auto *nonce = reinterpret_cast<const unsigned char *>(file.constData() + 5 + kSaltSize);
    Key key;
    if (!deriveKey(fileSalt, password, key))
        return Decrypted::NoMemory;
    const qsizetype cipherSize = file.size() - kHeaderSize;
    QByteArray out(cipherSize - kTagSize, '\0');
    unsigned long long outSize = 0;
    const int rc = crypto_aead_xchacha20poly1305_ietf_decrypt(
        reinterpret_cast<unsigned char *>(out.data()), &outSize, nullptr,
        reinterpret_cast<const unsigned char *>(file.constData() + kHeaderSize),
        static_cast<unsigned long long>(cipherSize), reinterpret_cast<const unsigned char *>(file.constData()),
        kHeaderSize, nonce, key.data());
    sodium_memzero(key.data(), key.size());
    if (rc != 0)
        return Decrypted::Damaged;
    out.truncate(static_cast<qsizetype>(outSize));
    *salt = fileSalt;
    *plain = out;
    return Decrypted::Ok;
}

} // namespace

CryptFile::CryptFile(const QString &path, const QByteArray &password) : path_(path), password_(password) {}

CryptFile::~CryptFile() = default;

bool CryptFile::open(Mode mode)
{
    mode_ = mode;
    text_.clear();
    salt_.clear();
    if (!sodiumReady()) {
        status_ = Status::Unreadable;
        return false;
    }
    const QFileInfo info(path_);
    if (!info.exists()) {
        if (mode == Mode::Read) {
            status_ = Status::Missing;
            return false;
        }
        // Read-write creates the file at once, empty.
        salt_ = randomBytes(kSaltSize);
        status_ = writeEncrypted() ? Status::Open : Status::WriteFailed;
        return isOpen();
    }
    QByteArray data;
    if (!info.isFile() || !readFile(path_, &data)) {
        status_ = Status::Unreadable;
        return false;
    }
    switch (decrypt(data, password_, &salt_, &text_)) {
    case Decrypted::Ok:
        status_ = Status::Open;
        return true;
    case Decrypted::Damaged:
        status_ = Status::Damaged;
        return false;
    case Decrypted::NoMemory:
        status_ = Status::Unreadable;
        return false;
    }
    return false;
}

bool CryptFile::save()
{
    if (status_ != Status::Open || mode_ != Mode::ReadWrite)
        return false;
    return writeEncrypted();
}

bool CryptFile::writeEncrypted()
{
    QByteArray file;
    file.reserve(kHeaderSize + text_.size() + kTagSize);
    file.append(kMagic, 4);
    file.append(static_cast<char>(kVersion));
    file.append(salt_);
    file.append(randomBytes(kNonceSize)); // never reused: a fresh nonce on every write
    Key key;
    if (!deriveKey(salt_, password_, key))
        return false;
    QByteArray cipher(text_.size() + kTagSize, '\0');
    unsigned long long cipherSize = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(
        reinterpret_cast<unsigned char *>(cipher.data()), &cipherSize,
        reinterpret_cast<const unsigned char *>(text_.constData()), static_cast<unsigned long long>(text_.size()),
        reinterpret_cast<const unsigned char *>(file.constData()), static_cast<unsigned long long>(kHeaderSize),
        nullptr, reinterpret_cast<const unsigned char *>(file.constData() + 5 + kSaltSize), key.data());
    sodium_memzero(key.data(), key.size());
    cipher.truncate(static_cast<qsizetype>(cipherSize));
    file.append(cipher);
    return writeFileAtomic(path_, file);
}

bool CryptFile::existsButUnopenable(const QString &path, const QByteArray &password)
{
    if (!QFileInfo::exists(path))
        return false;
    CryptFile file(path, password);
    return !file.open(Mode::Read);
}

} // namespace platform
