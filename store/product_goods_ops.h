#pragma once

#include <QString>
#include <QStringList>

// What the product dialogs ask of the goods cache after a change.

inline constexpr char kGoodsOptCountCode[] = "CS05_11_V01";

// Reloads one product of one store from the server into the shared goods cache.
void proc_GetGoodsDetailInfo(const QString &stCode, const QString &goodsNo);
// Tells the server that the options ("1") or additional goods ("2") of a product changed; the
// result is only logged.
void proc_ChangeGoodsOptCnt(const QString &goodsNo, const QString &optType);

// The product-group dialog: its use types (value, name) for a shop type, and the refusal text of
// an apply (empty when the group may be applied).
QList<QPair<QString, QString>> GoodsGroupUseTypeItems(const QString &shopType);
QString GoodsGroupApplyRefusal(const QString &shopType, const QString &type, const QString &name);
