// The fixed content of both scorecard variants: items, headings, options and
// their points. Constant data compiled into the program; nothing edits it.
#pragma once

#include <QString>

#include <array>
#include <span>

inline constexpr char BigMunicipality[] = "BigMunicipality";
inline constexpr char SmallMunicipality[] = "SmallMunicipality";

struct CatalogueOption
{
    const char *text;
    int points;
};

struct CatalogueItem
{
    int number;
    const char *description; // Introduction and Summary tables
    const char *heading;     // heading row of the breakdown table
    int maxPoints;
    int optionCount;         // 5, except small items 20 to 22
    std::array<CatalogueOption, 5> options;

    std::span<const CatalogueOption> answerOptions() const
    {
        return {options.data(), static_cast<std::size_t>(optionCount)};
    }
};

struct Catalogue
{
    const char *key;
    std::span<const CatalogueItem> items;
};

const Catalogue &bigMunicipalityCatalogue();
const Catalogue &smallMunicipalityCatalogue();

// The catalogue whose key equals `key` exactly (case and blanks count), or
// nullptr when the text names no variant.
const Catalogue *findCatalogue(const QString &key);
