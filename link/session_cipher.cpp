#include "link/session_cipher.h"

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <iterator>
#include <climits>
#include <string_view>
#include <memory>

namespace
{
constexpr int kKeySize = 32;
constexpr int kDeviceCodeSize = 3;
constexpr int kBlockSize = 16;

using CipherCtx = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

// Fetched once: an implicit fetch on every message costs more than encrypting a short request.
const EVP_CIPHER *aes256Cbc()
{
    static EVP_CIPHER *cipher = EVP_CIPHER_fetch(nullptr, "AES-256-CBC", nullptr);
    return cipher ? cipher : EVP_aes_256_cbc();
}

// OpenSSL's block codec is several times faster than Qt's on reply-sized texts. Strict: the text
// must be whole quads of the standard alphabet with '=' only at the end.
QByteArray encodeBase64(const QByteArray &bytes)
{
    QByteArray out(4 * ((bytes.size() + 2) / 3) + 1, '\0');
    const int n = EVP_EncodeBlock(reinterpret_cast<unsigned char *>(out.data()),
                                  reinterpret_cast<const unsigned char *>(bytes.constData()), int(bytes.size()));
    out.resize(n);
    return out;
}

std::optional<QByteArray> decodeBase64(const QByteArray &text)
{
    if (text.size() % 4 != 0 || text.size() > INT_MAX / 2)
        return std::nullopt;
    static const auto kValid = [] {
        std::array<bool, 256> table{};
        for (const char c : std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"))
            table[static_cast<unsigned char>(c)] = true;
        return table;
    }();
    int padding = 0;
    if (text.endsWith("=="))
        padding = 2;
    else if (text.endsWith('='))
        padding = 1;
    const auto *p = reinterpret_cast<const unsigned char *>(text.constData());
    const qsizetype body = text.size() - padding;
    bool ok = true;
    for (qsizetype i = 0; i < body; ++i)
        ok &= kValid[p[i]];
    if (!ok)
        return std::nullopt;
    QByteArray out(text.size() / 4 * 3 + 1, '\0');
    const int n = EVP_DecodeBlock(reinterpret_cast<unsigned char *>(out.data()), p, int(text.size()));
    if (n < 0)
        return std::nullopt;
    out.resize(n - padding);
    return out;
}

QByteArray fitted(const QByteArray &bytes, int size)
{
    QByteArray out = bytes.left(size);
    out.append(QByteArray(size - out.size(), '\0'));
    return out;
}

// Raw AES-256-CBC over whole blocks, written over its input (OpenSSL allows the output to be the
// input), so a reply page is never copied for it. No OpenSSL padding: we add and check PKCS#7
// ourselves so that a bad pad is reported precisely and never silently accepted.
bool aesCbcInPlace(QByteArray &data, const QByteArray &key, const QByteArray &iv, bool encrypt)
{
    CipherCtx ctx(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
    if (!ctx || data.size() > INT_MAX)
        return false;
    const QByteArray k = fitted(key, kKeySize);
    const QByteArray v = fitted(iv, kBlockSize);
    if (EVP_CipherInit_ex(ctx.get(), aes256Cbc(), nullptr, reinterpret_cast<const unsigned char *>(k.constData()),
                          reinterpret_cast<const unsigned char *>(v.constData()), encrypt ? 1 : 0)
        != 1)
        return false;
    EVP_CIPHER_CTX_set_padding(ctx.get(), 0);
    auto *bytes = reinterpret_cast<unsigned char *>(data.data());
    int written = 0;
    if (EVP_CipherUpdate(ctx.get(), bytes, &written, bytes, int(data.size())) != 1)
        return false;
    int tail = 0;
    if (EVP_CipherFinal_ex(ctx.get(), bytes + written, &tail) != 1)
        return false;
    return written + tail == data.size();
}
} // namespace

namespace SessionCipher
{
QByteArray encryptToBase64(const QByteArray &plain, const QByteArray &key, const QByteArray &iv)
{
    const int pad = kBlockSize - int(plain.size() % kBlockSize);
    QByteArray padded = plain;
    padded.append(QByteArray(pad, char(pad)));
    return aesCbcInPlace(padded, key, iv, true) ? encodeBase64(padded) : QByteArray();
}

std::optional<QByteArray> decryptFromBase64(const QByteArray &base64, const QByteArray &key, const QByteArray &iv)
{
    // A reply page is decoded into one buffer and decrypted where it lies: no second copy of it.
    std::optional<QByteArray> plain = decodeBase64(base64);
    if (!plain || plain->isEmpty() || plain->size() % kBlockSize != 0 || !aesCbcInPlace(*plain, key, iv, false))
        return std::nullopt;
    const int pad = static_cast<unsigned char>(plain->back());
    if (pad < 1 || pad > kBlockSize || pad > plain->size())
        return std::nullopt;
    for (qsizetype i = plain->size() - pad; i < plain->size(); ++i) {
        if (static_cast<unsigned char>(plain->at(i)) != pad)
            return std::nullopt;
    }
    plain->chop(pad);
    return plain;
}

QString makeSessionKey(const QString &deviceCode)
{
    // The device code (at most three characters), then decimal digits from the cryptographic
    // random source up to 32 characters: 29 digits (about 96 bits) after a three-character code.
    // Bytes of 250 and above are drawn again, so each digit is equally likely.
    QString key = deviceCode.left(kDeviceCodeSize);
    while (key.size() < kKeySize) {
        unsigned char buf[64];
        // Should OpenSSL's generator ever refuse, the system generator (also cryptographic)
        // stands in, so that a key is always made and the loop cannot spin.
        if (RAND_bytes(buf, sizeof(buf)) != 1) {
            for (unsigned char &b : buf)
                b = static_cast<unsigned char>(QRandomGenerator::system()->bounded(256));
        }
        for (unsigned char b : buf) {
            if (b < 250 && key.size() < kKeySize)
                key.append(QLatin1Char(char('0' + b % 10)));
        }
        std::fill(std::begin(buf), std::end(buf), static_cast<unsigned char>(0));
    }
    return key;
}
} // namespace SessionCipher

void func_AesEncryptBase64(const QString &text, const QByteArray &key, const QByteArray &iv, QString &result)
{
    result = QString::fromLatin1(SessionCipher::encryptToBase64(text.toUtf8(), key, iv));
}

bool func_AesDecryptBase64(const QString &text, const QByteArray &key, const QByteArray &iv, QString &result)
{
    result.clear();
    const std::optional<QByteArray> plain = SessionCipher::decryptFromBase64(text.toUtf8(), key, iv);
    if (!plain)
        return false;
    result = QString::fromUtf8(*plain);
    return true;
}

QByteArray Base64EncodeBytes(const QByteArray &bytes)
{
    return encodeBase64(bytes);
}

QByteArray Base64DecodeBytes(const QByteArray &base64)
{
    return decodeBase64(base64).value_or(QByteArray());
}
