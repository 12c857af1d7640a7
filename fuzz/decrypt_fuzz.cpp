// Arbitrary text as a reply body: base64 decoding, AES decryption and the padding check must
// reject garbage cleanly, and whatever they accept must encrypt back to a decryptable text.
#include "link/session_cipher.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QByteArray key("0123456789abcdefghijklmnopqrstuv");
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QByteArray> plain = SessionCipher::decryptFromBase64(input, key);
    if (plain) {
        const std::optional<QByteArray> again =
            SessionCipher::decryptFromBase64(SessionCipher::encryptToBase64(*plain, key), key);
        if (!again || *again != *plain)
            std::abort();
    }
    QString text;
    func_AesDecryptBase64(QString::fromUtf8(input), key, QByteArray(), text);
    return 0;
}
