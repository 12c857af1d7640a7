#pragma once

#include <QString>
#include <QVariantList>

class SandboxDatabase;

// The demo world's areas and the order they are seeded in: an area may read the tables of the
// areas ranked below it.
namespace SandboxWorld
{
constexpr int kOrgRank = 10;        // head_offices, branches, stores
constexpr int kUsersRank = 15;      // the accounts that log in
constexpr int kReferenceRank = 20;  // codes, configuration, delivery groups, couriers
constexpr int kGoodsRank = 30;      // goods and their groups per store
constexpr int kAddressRank = 40;    // address service rows around the stores
constexpr int kOrdersRank = 50;     // today's orders
constexpr int kMessagesRank = 60;   // notices and messages

void addOrganisation(SandboxDatabase &db);

// The stores a user sees, as a condition on the stores table (alias "s"): a store user its own
// store, a distributor its branch's stores, a head office all of its stores, the system all.
struct OrgScope
{
    QString where;
    QVariantList binds;
    static OrgScope of(const QString &userType, const QString &hd, const QString &br, const QString &st);
};

// "0212345678" -> "02-1234-5678": numbers as people type them.
QString telWithHyphens(const QString &tel);
} // namespace SandboxWorld
