// Checking a goods upload of 10,000 rows (open, read and row checks), beside the bare read of the
// same workbook with the project's reader. The target: the check under 1 s. Printed for people;
// a missed target never fails the run.

#include "grid/xlsx_export.h"
#include "grid/xlsx_reader.h"
#include "store/goods_upload.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <vector>

namespace
{
int g_uploadRows = 10000;
bool g_uploadSmoke = false;

class UploadBenchSheet : public ExportTableSource
{
public:
    explicit UploadBenchSheet(int rows)
        : m_rows(rows)
    {
    }
    int exportColumnCount() const override { return 8; }
    QString exportCaption(int c) const override
    {
        static const QStringList caps = {"순번", "상품명", "주문배달가격", "주문배달할인가", "주문배달 할인기간",
                                         "주문배달 할인시간", "주문배달 1일 제한", "주문배달 1회 제한"};
        return caps.at(c);
    }
    bool exportColumnVisible(int) const override { return true; }
    bool exportColumnIsText(int c) const override { return c == 1 || c == 4 || c == 5; }
    int exportRowCount() const override { return m_rows; }
    QVariant exportValue(int r, int c) const override
    {
        switch (c) {
        case 0: return r;
        case 1: return QStringLiteral("양념치킨 세트 %1호").arg(r);
        case 2: return 18000 + (r % 40) * 500;
        case 3: return r % 3 ? 0 : 15000;
        case 4: return r % 5 ? QString() : QStringLiteral("2026-12-01~2026-12-31");
        case 5: return r % 10 ? QString() : QStringLiteral("11:00~14:00");
        default: return r % 7;
        }
    }

private:
    int m_rows;
};

struct UploadFigures
{
    double bare = 1e12, check = 1e12;
};

UploadFigures uploadMeasure(const QString &path, int rounds)
{
    UploadFigures best;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        {
            XlsxReader reader;
            XlsxSheet sheet;
            if (!reader.open(path) || !reader.readSheet(0, &sheet))
                std::printf("workbook not read\n");
            benchmark::DoNotOptimize(sheet.cellCount());
        }
        best.bare = qMin(best.bare, double(t.nsecsElapsed()) / 1e6);
        t.restart();
        const GoodsUploadCheck check = CheckGoodsUploadFile(path);
        best.check = qMin(best.check, double(t.nsecsElapsed()) / 1e6);
        if (!check.ok())
            std::printf("check refused the file: %s\n", qPrintable(check.report()));
    }
    return best;
}

QString g_uploadPath;

void BM_GoodsUploadCheck(benchmark::State &state)
{
    for (auto _ : state) {
        const GoodsUploadCheck check = CheckGoodsUploadFile(g_uploadPath);
        benchmark::DoNotOptimize(check.rows.size());
    }
}
} // namespace

BENCHMARK(BM_GoodsUploadCheck)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    g_uploadSmoke = qEnvironmentVariableIsSet("CD_BENCH_SMOKE");
    for (int i = 1; i < argc; ++i)
        g_uploadSmoke |= std::strcmp(argv[i], "--smoke") == 0;
    if (g_uploadSmoke)
        g_uploadRows = 1000;
    QCoreApplication app(argc, argv);

    QTemporaryDir dir;
    g_uploadPath = dir.filePath(QStringLiteral("goods.xlsx"));
    const XlsxExportResult written = ExportTableToXlsx(UploadBenchSheet(g_uploadRows), g_uploadPath);
    if (!written.ok) {
        std::printf("workbook not written: %s\n", qPrintable(written.error));
        return 1;
    }
    const UploadFigures f = uploadMeasure(g_uploadPath, g_uploadSmoke ? 1 : 3);
    const char *judge = "(smoke run, not judged)";
    std::printf("goods upload, %d rows of 8 columns\n", g_uploadRows);
    std::printf("%-34s %9.2f ms\n", "bare xlsx read", f.bare);
    std::printf("%-34s %9.2f ms   target <  1000 ms   %s\n", "read and check the upload", f.check,
                g_uploadSmoke ? judge : (f.check < 1000 ? "PASS" : "FAIL"));
    std::printf("%-34s %9.2f x\n", "check / bare read", f.check / qMax(0.001, f.bare));
    std::fflush(stdout);

    std::vector<char *> args;
    for (int i = 0; i < argc; ++i)
        if (std::strcmp(argv[i], "--smoke") != 0)
            args.push_back(argv[i]);
    int n = int(args.size());
    benchmark::Initialize(&n, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
