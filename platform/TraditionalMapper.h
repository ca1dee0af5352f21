#pragma once

#include <QString>
#include <memory>

// Simplified-to-traditional Chinese mapping of the platform's language support.
class TraditionalMapper
{
public:
    virtual ~TraditionalMapper() = default;
    virtual QString toTraditional(const QString &simplified) = 0;
};

std::unique_ptr<TraditionalMapper> createTraditionalMapper();
