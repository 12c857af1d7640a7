#include "common/exception_text.h"

QString ExceptionText(std::exception_ptr e)
{
    try {
        std::rethrow_exception(e);
    } catch (const std::exception &x) {
        return QString::fromUtf8(x.what());
    } catch (...) {
        return QStringLiteral("unknown exception");
    }
}
