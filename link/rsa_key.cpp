#include "link/rsa_key.h"

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/rsa.h>
#include <openssl/x509.h>

namespace
{
using PKeyCtx = std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)>;

QString opensslErrors()
{
    QString text;
    while (unsigned long code = ERR_get_error()) {
        char buf[256];
        ERR_error_string_n(code, buf, sizeof(buf));
        text += QString::fromLatin1(buf) + QLatin1Char('\n');
    }
    return text;
}
} // namespace

namespace RsaKey
{
QByteArray pemFromBase64Der(const QByteArray &base64Der)
{
    QByteArray pem("-----BEGIN PUBLIC KEY-----\r\n");
    for (qsizetype i = 0; i < base64Der.size(); i += 64)
        pem += base64Der.mid(i, 64) + "\r\n";
    pem += "-----END PUBLIC KEY-----\r\n";
    return pem;
}

std::optional<QByteArray> publicEncryptBase64(const QByteArray &base64Der, const QByteArray &plain, QString *error)
{
    const auto der = QByteArray::fromBase64Encoding(base64Der.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!der || der.decoded.isEmpty()) {
        if (error)
            *error = QStringLiteral("public key is not base64");
        return std::nullopt;
    }
    const auto *p = reinterpret_cast<const unsigned char *>(der.decoded.constData());
    EVP_PKEY *key = d2i_PUBKEY(nullptr, &p, long(der.decoded.size()));
    if (!key) {
        if (error)
            *error = opensslErrors();
        return std::nullopt;
    }
    PKeyCtx ctx(EVP_PKEY_CTX_new(key, nullptr), &EVP_PKEY_CTX_free);
    EVP_PKEY_free(key);
    size_t outLen = 0;
    if (!ctx || EVP_PKEY_encrypt_init(ctx.get()) != 1
        || EVP_PKEY_CTX_set_rsa_padding(ctx.get(), RSA_PKCS1_PADDING) != 1
        || EVP_PKEY_encrypt(ctx.get(), nullptr, &outLen, reinterpret_cast<const unsigned char *>(plain.constData()),
                            size_t(plain.size()))
               != 1) {
        if (error)
            *error = opensslErrors();
        return std::nullopt;
    }
    QByteArray out(qsizetype(outLen), '\0');
    if (EVP_PKEY_encrypt(ctx.get(), reinterpret_cast<unsigned char *>(out.data()), &outLen,
                         reinterpret_cast<const unsigned char *>(plain.constData()), size_t(plain.size()))
        != 1) {
        if (error)
            *error = opensslErrors();
        return std::nullopt;
    }
    out.resize(qsizetype(outLen));
    return out.toBase64();
}

std::unique_ptr<KeyPair> KeyPair::generate(int bits)
{
    PKeyCtx ctx(EVP_PKEY_CTX_new_id(EVP_PKEY_RSA, nullptr), &EVP_PKEY_CTX_free);
    EVP_PKEY *pkey = nullptr;
    if (!ctx || EVP_PKEY_keygen_init(ctx.get()) != 1 || EVP_PKEY_CTX_set_rsa_keygen_bits(ctx.get(), bits) != 1
        || EVP_PKEY_keygen(ctx.get(), &pkey) != 1)
        return nullptr;
    return std::unique_ptr<KeyPair>(new KeyPair(pkey));
}

KeyPair::KeyPair(void *pkey)
    : m_pkey(pkey)
{
}

KeyPair::~KeyPair()
{
    EVP_PKEY_free(static_cast<EVP_PKEY *>(m_pkey));
}

QByteArray KeyPair::publicDerBase64() const
{
    const int len = i2d_PUBKEY(static_cast<EVP_PKEY *>(m_pkey), nullptr);
    if (len <= 0)
        return {};
    QByteArray der(len, '\0');
    auto *p = reinterpret_cast<unsigned char *>(der.data());
    i2d_PUBKEY(static_cast<EVP_PKEY *>(m_pkey), &p);
    return der.toBase64();
}

std::optional<QByteArray> KeyPair::privateDecrypt(const QByteArray &cipher) const
{
    PKeyCtx ctx(EVP_PKEY_CTX_new(static_cast<EVP_PKEY *>(m_pkey), nullptr), &EVP_PKEY_CTX_free);
    size_t outLen = 0;
    if (!ctx || EVP_PKEY_decrypt_init(ctx.get()) != 1
        || EVP_PKEY_CTX_set_rsa_padding(ctx.get(), RSA_PKCS1_PADDING) != 1
        || EVP_PKEY_decrypt(ctx.get(), nullptr, &outLen, reinterpret_cast<const unsigned char *>(cipher.constData()),
                            size_t(cipher.size()))
               != 1)
        return std::nullopt;
    QByteArray out(qsizetype(outLen), '\0');
    if (EVP_PKEY_decrypt(ctx.get(), reinterpret_cast<unsigned char *>(out.data()), &outLen,
                         reinterpret_cast<const unsigned char *>(cipher.constData()), size_t(cipher.size()))
        != 1)
        return std::nullopt;
    out.resize(qsizetype(outLen));
    return out;
}
} // namespace RsaKey
