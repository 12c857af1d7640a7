#pragma once

#include "settings/deployment_config.h"
#include "sandbox/sandbox_host.h"

// Points the client's deployment configuration (lookup URLs, trusted CA) at a running sandbox.
inline void PointClientAtSandbox(const SandboxHost &host)
{
    DeploymentConfig::clear();
    DeploymentConfig::setValue(DeploymentConfig::kLookupPrimary, host.primaryLookupUrlFormat());
    DeploymentConfig::setValue(DeploymentConfig::kLookupFallback, host.fallbackLookupUrlFormat());
    DeploymentConfig::setValue(DeploymentConfig::kCaFile, host.caFile());
}
