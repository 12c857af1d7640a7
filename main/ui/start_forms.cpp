#include "main/ui/start_forms.h"

#include "main/ui/main_window.h"

#include <QHash>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

QWidget *FRM_CHR_MAIN = nullptr;
QWidget *FRM_ORD_OLD = nullptr;
QWidget *FRM_ORD = nullptr;
QWidget *FRM_ACP = nullptr;
QWidget *frmCardApprList = nullptr;
QWidget *frmChrome = nullptr;
QWidget *frmAd = nullptr;
QWidget *frmSessionTimeSet = nullptr;

namespace
{
QHash<int, StartFormMaker> &makers()
{
    static QHash<int, StartFormMaker> map;
    return map;
}

QWidget *&slot(StartForm form)
{
    switch (form) {
    case StartForm::TFRM_CHR_MAIN: return FRM_CHR_MAIN;
    case StartForm::TFRM_ORD_OLD: return FRM_ORD_OLD;
    case StartForm::TFRM_ORD: return FRM_ORD;
    case StartForm::TFRM_ACP: return FRM_ACP;
    case StartForm::TfrmCardApprList: return frmCardApprList;
    case StartForm::TfrmChrome: return frmChrome;
    case StartForm::TfrmAd: return frmAd;
    case StartForm::TfrmSessionTimeSet: break;
    }
    return frmSessionTimeSet;
}

QWidget *placeholder(StartForm form, TFRM_MAIN *main)
{
    const bool board = IsBoardForm(form);
    auto *w = new QWidget(main, board ? Qt::Widget : Qt::Window);
    w->setObjectName(StartFormClassName(form));
    if (board) {
        auto *layout = new QVBoxLayout(w);
        layout->addWidget(new QLabel(StartFormClassName(form), w));
        main->DockBoard(w);
    } else {
        w->hide();
    }
    return w;
}
} // namespace

void SetStartFormMaker(StartForm form, StartFormMaker maker)
{
    makers().insert(static_cast<int>(form), std::move(maker));
}

QString StartFormClassName(StartForm form)
{
    switch (form) {
    case StartForm::TFRM_CHR_MAIN: return QStringLiteral("TFRM_CHR_MAIN");
    case StartForm::TFRM_ORD_OLD: return QStringLiteral("TFRM_ORD_OLD");
    case StartForm::TFRM_ORD: return QStringLiteral("TFRM_ORD");
    case StartForm::TFRM_ACP: return QStringLiteral("TFRM_ACP");
    case StartForm::TfrmCardApprList: return QStringLiteral("TfrmCardApprList");
    case StartForm::TfrmChrome: return QStringLiteral("TfrmChrome");
    case StartForm::TfrmAd: return QStringLiteral("TfrmAd");
    case StartForm::TfrmSessionTimeSet: break;
    }
    return QStringLiteral("TfrmSessionTimeSet");
}

bool IsBoardForm(StartForm form)
{
    return form == StartForm::TFRM_CHR_MAIN || form == StartForm::TFRM_ORD_OLD || form == StartForm::TFRM_ORD
           || form == StartForm::TFRM_ACP;
}

void CreateStartForms(TFRM_MAIN *main)
{
    constexpr StartForm kOrder[] = {StartForm::TFRM_CHR_MAIN, StartForm::TFRM_ORD_OLD, StartForm::TFRM_ORD,
                                    StartForm::TFRM_ACP, StartForm::TfrmCardApprList, StartForm::TfrmChrome,
                                    StartForm::TfrmAd, StartForm::TfrmSessionTimeSet};
    for (const StartForm form : kOrder) {
        const StartFormMaker maker = makers().value(static_cast<int>(form));
        QWidget *w = maker ? maker(main) : placeholder(form, main);
        slot(form) = w;
    }
}
