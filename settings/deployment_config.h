#pragma once

#include <QString>

// Deployment settings that differ between installations and are no business of the user: the
// endpoint-lookup URLs, the CA file that TLS trusts, the page hosts, external commands.
// A plain "key = value" file ('#' starts a comment) named by COURIER_DESK_CONFIG, or
// "courier_desk.conf" in the program folder. The sandbox run writes one pointing at itself.
namespace DeploymentConfig
{
// Well-known keys.
inline constexpr char kLookupPrimary[] = "lookup.primary";     // URL format with three %s
inline constexpr char kLookupFallback[] = "lookup.fallback";   // URL format with three %s
inline constexpr char kCaFile[] = "tls.ca_file";               // extra trusted CA (PEM); empty: system CAs only
inline constexpr char kUpdateManifestUrl[] = "update.manifest_url";
inline constexpr char kUpdaterCommand[] = "update.command";
inline constexpr char kSupportCommand[] = "support.command";
inline constexpr char kWebHost[] = "web.host";                 // scheme://host[:port] of the service's pages

QString value(const QString &key, const QString &defaultValue = QString());
void setValue(const QString &key, const QString &value);
// Reads the file (replacing earlier values of the keys it names); false when it cannot be read.
bool load(const QString &path);
// Loads defaultPath() once; later calls do nothing.
void ensureLoaded();
QString defaultPath();
// Forgets every value (tests).
void clear();
} // namespace DeploymentConfig
