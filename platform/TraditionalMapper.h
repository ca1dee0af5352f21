// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>
#include <optional>

// Simplified-to-traditional Chinese mapping of the platform's language support.
class TraditionalMapper
{
public:
    virtual ~TraditionalMapper() = default;
    // The traditional form of the text, converted by phrase; nothing when the
    // mapping cannot be made (its dictionaries missing or unreadable). A later
    // call tries again.
    virtual std::optional<QString> toTraditional(const QString &simplified) = 0;
};

// The mapper backed by OpenCC's s2t dictionaries in the folder they are
// installed in (see DictionaryFolder.h), or in the given folder; loaded on first use.
std::unique_ptr<TraditionalMapper> createTraditionalMapper();
std::unique_ptr<TraditionalMapper> createTraditionalMapper(const QString &dictionaryFolder);
