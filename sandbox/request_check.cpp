#include "sandbox/request_check.h"

#include <QHash>

#include <algorithm>
#include <initializer_list>

namespace
{
struct Row
{
    const char *code;
    const char *callType;
    int fieldCount;
};

// code, call type, field count. A code sent in two shapes has two rows. The courier assignments
// ("CS01_18_V03", "CS01_46_V01") are not here: their payload is made by the screens that pick the
// courier, and the forced one carries one field more than what it repeats.
// A batch (call type "CMM1") sends any number of rows of the same fields: its count is written
// negative, "rows of n fields".
constexpr Row kShapes[] = {
    {"1", "SOK1", 5},  // the stores' state
    {"999", "DUM", 1},  // the keep-alive, one empty field
    {"CS00_00_V01", "CMM5", 3},
    {"CS00_01_V02", "ADM3", 5},
    {"CS00_02_V01", "ADM1", 5},
    {"CS00_03_V01", "ADM1", 5},
    {"CS00_04_V02", "ADM3", 5},
    {"CS00_05_V01", "ADM1", 5},
    {"CS00_06_V04", "ADM3", 2},
    {"CS00_07_V05", "ADM3", 3},
    {"CS00_08_V01", "ADM1", 6},
    {"CS00_09_V01", "ADM1", 6},
    {"CS00_10_V01", "ADM3", 4},
    {"CS00_11_V01", "ADM3", 6},
    {"CS00_12_V01", "ADM3", 1},
    {"CS00_14_V01", "ADM3", 4},
    {"CS00_15_V01", "ADM3", 4},
    {"CS00_16_V01", "ADM3", 5},
    {"CS00_17_V02", "ADM3", 6},
    {"CS01_01_V07", "ADM10", 8},
    {"CS01_01_V07", "CMM8", 8},  // the cash load; the line above is the order load
    {"CS01_03_V02", "ADM1", 2},
    {"CS01_04_V01", "ADM1", 5},
    {"CS01_09_V04", "ADM1", 14},
    {"CS01_11_V03", "ADM1", 8},
    {"CS01_12_V02", "ADM1", 5},
    {"CS01_13_V01", "ADM3", 3},
    {"CS01_21_V03", "ADM1", 10},  // a money transfer
    {"CS01_25_V02", "ADM1", 3},  // receipt print data: order, ID, kind
    {"CS01_27_V01", "ADM1", 4},
    {"CS01_30_V01", "ADM3", 4},
    {"CS01_32_V02", "ADM12", 7},
    {"CS01_34_V01", "ADM1", 8},
    {"CS01_37_V01", "ADM3", 3},  // same-day label: order, ID, flag
    {"CS01_43_V02", "ADM13", 7},
    {"CS01_45_V01", "ADM1", 6},
    {"CS01_47_V01", "ADM3", 2},
    {"CS01_48_V01", "ADM9", 10},
    {"CS01_49_V02", "ADM3", 8},
    {"CS01_50_V02", "ADM3", 8},
    {"CS01_51_V01", "ADM3", 7},
    {"CS01_63_V01", "ADM1", 7},
    {"CS01_64_V01", "ADM3", 5},
    {"CS01_65_V01", "ADM1", 5},
    {"CS02_02_V01", "ADM3", 6},  // the statistics screen, one code per tab and user class
    {"CS02_03_V01", "ADM3", 8},
    {"CS02_04_V01", "ADM3", 6},
    {"CS02_05_V01", "ADM3", 6},
    {"CS02_06_V01", "ADM3", 6},
    {"CS02_07_V01", "ADM3", 9},
    {"CS02_08_V01", "ADM3", 6},
    {"CS02_09_V01", "ADM3", 7},
    {"CS04_01_V05", "ADM3", 6},  // the money ledger, one week per request
    {"CS04_02_V02", "ADM1", 2},
    {"CS04_03_V01", "ADM1", 8},
    {"CS04_04_V02", "ADM1", 4},
    {"CS04_05_V02", "ADM1", 2},
    {"CS05_01_V02", "ADM1", 2},
    {"CS05_02_V01", "ADM1", 6},   // delivery-app store matching
    {"CS05_02_V01", "ADM1", 13},  // product base data
    {"CS05_05_V01", "ADM1", 7},
    {"CS05_06_V02", "CMM1", -5},
    {"CS05_07_V01", "CMM1", -5},
    {"CS05_08_V01", "CMM1", -4},
    {"CS05_09_V01", "ADM1", 4},
    {"CS05_10_V01", "ADM1", 7},
    {"CS05_11_V01", "ADM1", 2},
    {"CS05_15_V01", "ADM1", 3},
    {"CS06_01_V01", "ADM1", 1},
    {"CS06_02_V01", "ADM1", 3},
    {"CS06_03_V01", "ADM1", 5},
    {"CS06_04_V01", "ADM1", 5},
    {"CS07_05_V02", "ADM1", 4},
    {"CS07_38_V01", "ADM3", 5},
    {"CS08_11_V02", "ADM1", 1},
    {"CS08_12_V02", "ADM3", 5},
    {"CS08_13_V01", "ADM1", 2},
    {"CS08_17_V01", "ADM1", 4},
    {"CS08_18_V01", "ADM1", 7},  // the change and the 90-day deferral alike
    {"CS08_21_V01", "ADM3", 1},
    {"CS09_03_V01", "ADM3", 1},
    {"CS09_04_V01", "ADM3", 3},
    {"CSDVRY", "SWK2", 7},
    {"GR01_04_V01", "ADM1", 4},
    {"LN00_03_V01", "SLG1", 5},
    {"LN00_04_V01", "SLG1", 6},
    {"LN00_05_V01", "SLG1", 8},
    {"LN00_06_V01", "CMM11", 2},
    {"LN02_01_V02", "SLG1", 11},  // the login and its later re-check
    {"MG00_01_V01", "MSG1", 9},
    {"MG00_02_V02", "MSG2", 16},
    {"MG00_03_V01", "MSG2", 20},
};

struct Secret
{
    const char *code;
    std::initializer_list<int> fields;
};

// Fields that hold a password or an SMS code.
const Secret kSecrets[] = {
    {"LN02_01_V02", {1}},     // ID, password, ...
    {"CS08_13_V01", {1}},     // sequence, SMS code
    {"CS08_18_V01", {2, 5}},  // "1", sequence, SMS code, "U", ID, new password, "N"
    {"LN00_04_V01", {1}},     // sequence, SMS code, ...
    {"LN00_05_V01", {1}},     // sequence, SMS code, ...
};

const QHash<QString, QList<SandboxRequestCheck::Shape>> &shapeTable()
{
    static const QHash<QString, QList<SandboxRequestCheck::Shape>> table = [] {
        QHash<QString, QList<SandboxRequestCheck::Shape>> t;
        for (const Row &r : kShapes)
            t[QString::fromLatin1(r.code)].append({QString::fromLatin1(r.callType), r.fieldCount});
        return t;
    }();
    return table;
}

const Secret *secretOf(const QString &code)
{
    for (const Secret &s : kSecrets) {
        if (code == QLatin1String(s.code))
            return &s;
    }
    return nullptr;
}

QString shapeText(const QString &callType, qsizetype fieldCount)
{
    if (fieldCount < 0)
        return QStringLiteral("%1 with rows of %2 fields").arg(callType).arg(-fieldCount);
    return QStringLiteral("%1 with %2 field%3").arg(callType).arg(fieldCount).arg(fieldCount == 1 ? "" : "s");
}
} // namespace

namespace SandboxRequestCheck
{
QList<Shape> shapesOf(const QString &code)
{
    return shapeTable().value(code);
}

QStringList knownCodes()
{
    QStringList out = shapeTable().keys();
    out.sort();
    return out;
}

QString mismatch(const SandboxRequest &request)
{
    const QList<Shape> shapes = shapesOf(request.reqNum);
    if (shapes.isEmpty())
        return {};
    const qsizetype count = request.fields().size();
    QStringList expected;
    for (const Shape &s : shapes) {
        const bool rows = s.fieldCount < 0 && count > 0 && count % -s.fieldCount == 0;
        if (s.callType == request.callType && (s.fieldCount == count || rows))
            return {};
        expected.append(shapeText(s.callType, s.fieldCount));
    }
    return QStringLiteral("%1 sent as %2; expected %3")
        .arg(request.reqNum, shapeText(request.callType, count), expected.join(QStringLiteral(" or ")));
}

QString maskedPayload(const SandboxRequest &request)
{
    const Secret *secret = secretOf(request.reqNum);
    if (!secret || request.val.isEmpty())
        return request.val;
    QStringList parts = request.val.split(kRowSep);
    const bool closed = parts.size() > 1 && parts.last().isEmpty();
    if (closed)
        parts.removeLast();
    const QList<Shape> shapes = shapesOf(request.reqNum);
    const bool known = std::any_of(shapes.begin(), shapes.end(),
                                   [&](const Shape &s) { return s.fieldCount == parts.size(); });
    if (!known && !shapes.isEmpty())
        return QStringLiteral("***");
    for (const int i : secret->fields) {
        if (i < parts.size() && !parts.at(i).isEmpty())
            parts[i] = QStringLiteral("***");
    }
    QString out = parts.join(kRowSep);
    if (closed)
        out += kRowSep;
    return out;
}
} // namespace SandboxRequestCheck
