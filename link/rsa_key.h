#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

// RSA pieces of the key exchange: the client wraps its session key under the server's public key
// (PKCS#1 v1.5); the stand-in server makes a key pair and unwraps it.
namespace RsaKey
{
// A standard PEM public-key block from the base64 DER text the server sends: begin marker, the
// text cut into 64-character lines, end marker, every line ended by CR LF.
QByteArray pemFromBase64Der(const QByteArray &base64Der);

// Encrypts plain with the public key given as base64 DER (SubjectPublicKeyInfo) text and returns
// the base64 of the result without any line break; empty optional on a bad key or an RSA error
// (error text in *error when given).
std::optional<QByteArray> publicEncryptBase64(const QByteArray &base64Der, const QByteArray &plain,
                                              QString *error = nullptr);

class KeyPair
{
public:
    // A fresh RSA key pair of the given size.
    static std::unique_ptr<KeyPair> generate(int bits = 2048);
    ~KeyPair();
    KeyPair(const KeyPair &) = delete;
    KeyPair &operator=(const KeyPair &) = delete;

    // Base64 of the DER SubjectPublicKeyInfo, no line breaks.
    QByteArray publicDerBase64() const;
    // Decrypts a PKCS#1 v1.5 block; empty optional on failure.
    std::optional<QByteArray> privateDecrypt(const QByteArray &cipher) const;

private:
    explicit KeyPair(void *pkey);
    void *m_pkey;
};
} // namespace RsaKey
