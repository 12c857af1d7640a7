#pragma once

class SandboxDatabase;

// The demo world's areas and the order they are seeded in: an area may read the tables of the
// areas ranked below it.
namespace SandboxWorld
{
constexpr int kOrgRank = 10;        // head_offices, branches, stores
constexpr int kReferenceRank = 20;  // codes, configuration, delivery groups, couriers
constexpr int kGoodsRank = 30;      // goods and their groups per store
constexpr int kAddressRank = 40;    // address service rows around the stores
constexpr int kOrdersRank = 50;     // today's orders
constexpr int kMessagesRank = 60;   // notices and messages

void addOrganisation(SandboxDatabase &db);
} // namespace SandboxWorld
