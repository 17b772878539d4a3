#pragma once

#include "inputs.h"

#include <string>
#include <vector>

namespace dbgen {

struct Record {
    std::string shortForm;
    std::string expansion; // as the add operation is given it; StoredExpansion() stores it
};

struct GeneratorInput {
    std::vector<WordCount> frequencies; // most frequent first
    std::vector<std::string> standardWords;
    std::vector<std::string> largeWords;
};

struct Generated {
    std::vector<Record> records;    // in file order: by short form, binary
    std::vector<std::string> notes; // curated entries that could not have their wished form
};

// Short forms for the accent corrections, the contractions, the phrases and then the words of
// the frequency list, most frequent first, each taking the best free candidate of its length
// band. Same input, same records.
Generated GenerateRecords(const GeneratorInput& input);

} // namespace dbgen
