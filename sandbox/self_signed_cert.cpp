#include "sandbox/self_signed_cert.h"

#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <memory>

namespace
{
template <typename T, void (*Free)(T *)>
struct Deleter
{
    void operator()(T *p) const { Free(p); }
};
using PKeyPtr = std::unique_ptr<EVP_PKEY, Deleter<EVP_PKEY, EVP_PKEY_free>>;
using X509Ptr = std::unique_ptr<X509, Deleter<X509, X509_free>>;
using BioPtr = std::unique_ptr<BIO, Deleter<BIO, BIO_free_all>>;
using ExtPtr = std::unique_ptr<X509_EXTENSION, Deleter<X509_EXTENSION, X509_EXTENSION_free>>;

QString opensslErrors()
{
    QString out;
    while (const unsigned long code = ERR_get_error()) {
        char buf[256];
        ERR_error_string_n(code, buf, sizeof buf);
        out += QString::fromLatin1(buf) + QLatin1Char('\n');
    }
    return out.isEmpty() ? QStringLiteral("OpenSSL error") : out;
}

bool addExtension(X509 *cert, int nid, const char *value)
{
    X509V3_CTX ctx;
    X509V3_set_ctx_nodb(&ctx);
    X509V3_set_ctx(&ctx, cert, cert, nullptr, nullptr, 0);
    ExtPtr ext(X509V3_EXT_conf_nid(nullptr, &ctx, nid, value));
    return ext && X509_add_ext(cert, ext.get(), -1) == 1;
}

QByteArray bioText(BIO *bio)
{
    char *data = nullptr;
    const long len = BIO_get_mem_data(bio, &data);
    return QByteArray(data, int(len));
}

bool fillCertificate(X509 *cert, EVP_PKEY *key)
{
    unsigned char serial[8];
    if (RAND_bytes(serial, sizeof serial) != 1)
        return false;
    serial[0] &= 0x7f;  // a positive serial number
    std::unique_ptr<BIGNUM, Deleter<BIGNUM, BN_free>> bn(BN_bin2bn(serial, sizeof serial, nullptr));
    if (!bn || !BN_to_ASN1_INTEGER(bn.get(), X509_get_serialNumber(cert)))
        return false;
    if (X509_set_version(cert, 2) != 1)  // v3, needed for the extensions
        return false;
    // An hour of slack for clocks that lag behind this machine's.
    X509_gmtime_adj(X509_getm_notBefore(cert), -3600);
    X509_gmtime_adj(X509_getm_notAfter(cert), 365L * 24 * 3600);
    if (X509_set_pubkey(cert, key) != 1)
        return false;
    X509_NAME *name = X509_get_subject_name(cert);
    X509_NAME_add_entry_by_txt(name, "O", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char *>("Courier Desk Sandbox"), -1, -1, 0);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char *>("localhost"),
                               -1, -1, 0);
    if (X509_set_issuer_name(cert, name) != 1)
        return false;
    return addExtension(cert, NID_basic_constraints, "critical,CA:TRUE")
        && addExtension(cert, NID_subject_key_identifier, "hash")
        && addExtension(cert, NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost")
        && X509_sign(cert, key, EVP_sha256()) > 0;
}
} // namespace

std::optional<SelfSignedCert> SelfSignedCert::make(QString *error)
{
    ERR_clear_error();
    PKeyPtr key(EVP_EC_gen("P-256"));
    X509Ptr cert(X509_new());
    if (!key || !cert || !fillCertificate(cert.get(), key.get())) {
        if (error)
            *error = opensslErrors();
        return std::nullopt;
    }
    BioPtr certBio(BIO_new(BIO_s_mem()));
    BioPtr keyBio(BIO_new(BIO_s_mem()));
    if (!certBio || !keyBio || PEM_write_bio_X509(certBio.get(), cert.get()) != 1
        || PEM_write_bio_PrivateKey(keyBio.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) != 1) {
        if (error)
            *error = opensslErrors();
        return std::nullopt;
    }
    SelfSignedCert out;
    out.certPem = bioText(certBio.get());
    out.keyPem = bioText(keyBio.get());
    return out;
}
