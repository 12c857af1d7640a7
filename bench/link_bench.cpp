// The request path of the server link against a baseline of raw OpenSSL and QJsonDocument.
//
// Path: build the request body, encrypt and frame it; then take a framed reply of 2,000 rows,
// find the frame, decrypt it, split off the status character and parse the JSON. The baseline does
// the same cryptographic and parsing work on the same bytes with bare EVP calls and no framing.
// Before the benchmarks run, main() times both and prints the ratio against the 2x target.
#include "records/session_records.h"
#include "link/frame_codec.h"
#include "link/request_body.h"
#include "link/request_link.h"
#include "link/session_cipher.h"

#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace
{
const QByteArray kKey("0123456789abcdefghijklmnopqrstuv");

QByteArray replyJson(int rows)
{
    const QString sep = QString(QChar(0x2502));
    QString json = QStringLiteral("{\"OUT_CODE\":\"1\",\"OUT_MSG\":\"\",\"OUT_VAL\":\"20261210\",\"OUT_ROW1\":[");
    for (int i = 0; i < rows; ++i) {
        if (i)
            json += QLatin1Char(',');
        json += QLatin1Char('"') + QStringLiteral("ST%1").arg(i, 5, 10, QLatin1Char('0')) + sep
                + QStringLiteral("행복치킨 %1호점").arg(i) + sep + QStringLiteral("02-1234-%1").arg(i % 10000, 4, 10, QLatin1Char('0'))
                + sep + QStringLiteral("서울특별시 강남구 테헤란로 %1").arg(i) + sep + QStringLiteral("37.5%1").arg(i)
                + sep + QStringLiteral("127.0%1").arg(i) + sep + QStringLiteral("1") + sep + QLatin1Char('"');
    }
    json += QStringLiteral("]}");
    return json.toUtf8();
}

struct Fixture
{
    QByteArray plainReply;      // status character + JSON
    QByteArray framedReply;     // what arrives on the socket
    QByteArray base64Reply;     // the frame body
    QString payload;

    Fixture()
    {
        plainReply = "1" + replyJson(2000);
        base64Reply = SessionCipher::encryptToBase64(plainReply, kKey);
        framedReply = Frame::build(base64Reply);
        payload = QStringLiteral("user01") + G_FIELD_SEP + QStringLiteral("ST00001") + G_FIELD_SEP
                  + QStringLiteral("20261210") + G_FIELD_SEP;
    }
};

const Fixture &fixture()
{
    static const Fixture f;
    return f;
}

int requestPath()
{
    const Fixture &f = fixture();
    const QByteArray body = BuildRequestBody(ListBodyArgs(QStringLiteral("CS00_04_V02"), QStringLiteral("ADM3"),
                                                          f.payload, QStringLiteral("3000")));
    const QByteArray frame = Frame::build(SessionCipher::encryptToBase64(body, kKey));
    benchmark::DoNotOptimize(frame.constData());

    const Frame::ReadResult r = Frame::readFrame(f.framedReply);
    const QByteArray replyBody = f.framedReply.mid(Frame::kHeaderSize, r.bodySize);
    // The link hands the caller the page's UTF-8 without its status character; the caller parses it.
    const std::optional<ReplyPage> page = OpenReplyPage(replyBody, kKey);
    const QJsonDocument doc = QJsonDocument::fromJson(page->page);
    return int(doc.object().value(QStringLiteral("OUT_ROW1")).toArray().size());
}

QByteArray evpCipher(const QByteArray &in, bool encrypt)
{
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    const unsigned char iv[16] = {};
    EVP_CipherInit_ex(ctx, EVP_aes_256_cbc(), nullptr, reinterpret_cast<const unsigned char *>(kKey.constData()),
                      iv, encrypt ? 1 : 0);
    QByteArray out(in.size() + 32, '\0');
    int n = 0;
    int m = 0;
    EVP_CipherUpdate(ctx, reinterpret_cast<unsigned char *>(out.data()), &n,
                     reinterpret_cast<const unsigned char *>(in.constData()), int(in.size()));
    EVP_CipherFinal_ex(ctx, reinterpret_cast<unsigned char *>(out.data()) + n, &m);
    EVP_CIPHER_CTX_free(ctx);
    out.resize(n + m);
    return out;
}

QByteArray evpBase64Encode(const QByteArray &in)
{
    QByteArray out(4 * ((in.size() + 2) / 3) + 1, '\0');
    out.resize(EVP_EncodeBlock(reinterpret_cast<unsigned char *>(out.data()),
                               reinterpret_cast<const unsigned char *>(in.constData()), int(in.size())));
    return out;
}

QByteArray evpBase64Decode(const QByteArray &in)
{
    QByteArray out(in.size() / 4 * 3 + 1, '\0');
    const int n = EVP_DecodeBlock(reinterpret_cast<unsigned char *>(out.data()),
                                  reinterpret_cast<const unsigned char *>(in.constData()), int(in.size()));
    out.resize(n - (in.endsWith("==") ? 2 : in.endsWith('=') ? 1 : 0));
    return out;
}

int baseline()
{
    const Fixture &f = fixture();
    static const QByteArray body = BuildRequestBody(
        ListBodyArgs(QStringLiteral("CS00_04_V02"), QStringLiteral("ADM3"), f.payload, QStringLiteral("3000")));
    const QByteArray sent = evpBase64Encode(evpCipher(body, true));
    benchmark::DoNotOptimize(sent.constData());

    const QByteArray plain = evpCipher(evpBase64Decode(f.base64Reply), false);
    const QJsonDocument doc = QJsonDocument::fromJson(plain.mid(1));
    return int(doc.object().value(QStringLiteral("OUT_ROW1")).toArray().size());
}

void BM_RequestPath(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(requestPath());
}
BENCHMARK(BM_RequestPath)->Unit(benchmark::kMillisecond);

void BM_Baseline(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(baseline());
}
BENCHMARK(BM_Baseline)->Unit(benchmark::kMillisecond);

double averageMs(int (*fn)(), int rounds)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        benchmark::DoNotOptimize(fn());
    return double(timer.nsecsElapsed()) / 1e6 / rounds;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = qEnvironmentVariableIsSet("CD_BENCH_SMOKE") ? 3 : 30;
    if (requestPath() != 2000 || baseline() != 2000) {
        std::fprintf(stderr, "the reply did not parse to 2,000 rows\n");
        return 1;
    }
    const double path = averageMs(&requestPath, rounds);
    const double base = averageMs(&baseline, rounds);
    const double ratio = path / base;
    std::printf("request path %.2f ms, baseline %.2f ms, ratio %.2f (target <= 2.00: %s)\n", path, base, ratio,
                ratio <= 2.0 ? "met" : "MISSED");
    std::fflush(stdout);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
