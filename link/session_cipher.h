#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// AES-256-CBC with PKCS#7 padding and base64 text, the body cipher of the server link.
// The key is the UTF-8 of the session-key text (its first 32 bytes); the IV is the UTF-8 of the iv
// text cut or zero-filled to 16 bytes. The link passes an empty iv, so every message starts from
// sixteen zero bytes: the server expects exactly that.
namespace SessionCipher
{
// Base64 (standard alphabet, '=' padding, no line breaks) of the encrypted UTF-8 text.
QByteArray encryptToBase64(const QByteArray &plain, const QByteArray &key, const QByteArray &iv = {});
// Decodes base64 and decrypts. Empty optional on bad base64, a length that is not a whole number of
// blocks, or padding that is not exact PKCS#7.
std::optional<QByteArray> decryptFromBase64(const QByteArray &base64, const QByteArray &key,
                                            const QByteArray &iv = {});

// The session key text, 32 characters: the device code (its first three characters; the edition's
// codes are three ASCII letters), then decimal digits from the cryptographic random source up to
// 32 characters in all. Only the digits are random; the form itself is fixed.
QString makeSessionKey(const QString &deviceCode);
} // namespace SessionCipher

// Text forms used throughout the link.
void func_AesEncryptBase64(const QString &text, const QByteArray &key, const QByteArray &iv, QString &result);
// Returns false (and leaves result empty) when the text cannot be decrypted.
bool func_AesDecryptBase64(const QString &text, const QByteArray &key, const QByteArray &iv, QString &result);

QByteArray Base64EncodeBytes(const QByteArray &bytes);
// Empty on malformed input.
QByteArray Base64DecodeBytes(const QByteArray &base64);
