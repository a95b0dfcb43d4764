#pragma once
// The proof that a hostile input cost only its own report: a sound template
// loads, fills and prints one page with its label and value, and not a word
// is said.
#include <string>

namespace tessel_fuzz {

class QuietEngine;
class ScratchFolder;

// Writes the sound template into the folder; returns its native path.
std::string WriteSoundTemplate(const ScratchFolder& folder);

// Empty when the sound template printed as it should; otherwise what went
// wrong.
std::string PrintSoundReport(QuietEngine& quiet, const std::string& soundTemplate);

}  // namespace tessel_fuzz
