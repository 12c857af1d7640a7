#include "sandbox/handler_registry.h"

// Terms consent: accepted when the ID and the store code are given and the consent field is "Y".
SANDBOX_HANDLER_AREA(terms)
{
    registry.add(QStringLiteral("GR01_04_V01"), [](const SandboxRequest &r) {
        const QStringList f = r.fields();
        if (f.size() < 4 || f.at(0).isEmpty() || f.at(1).isEmpty())
            return SandboxReply::code(QStringLiteral("0"), QStringLiteral("필수 정보가 없습니다."));
        if (f.at(2) != QLatin1String("Y"))
            return SandboxReply::code(QStringLiteral("0"), QStringLiteral("약관에 동의하지 않았습니다."));
        SandboxReply reply = SandboxReply::ok();
        reply.outMsg = QStringLiteral("약관 동의가 저장되었습니다.");
        return reply;
    });
}
