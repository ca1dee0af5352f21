#pragma once

#include <memory>
#include <QString>

// Simplified-to-traditional Chinese mapping of the platform's language support.
class TraditionalMapper
{
public:
    virtual ~TraditionalMapper() = default;
    // The traditional form of the text, converted by phrase; the text itself
    // when the mapping is unavailable.
    virtual QString toTraditional(const QString &simplified) = 0;
};

std::unique_ptr<TraditionalMapper> createTraditionalMapper();
