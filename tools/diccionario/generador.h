#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "fuentes.h"

// Builds the sample dictionary from its source lists. Every regular form is generated: the
// singular and plural of each noun of people behind each determiner of the lists, the bare plural
// of the nouns that are not also adjectives, and the job ads of the professions. The hand-written
// entries come first and win over a generated entry with the same key; two generated entries with
// one key are an error of the lists.
namespace quillora::diccionario {

// The dictionary in the sample's JSON format, plus "adjetivos": the words of the lists that are
// also ordinary adjectives, which no entry may begin with. std::runtime_error with a Spanish
// message when the lists give one key twice.
nlohmann::ordered_json GenerarDiccionario(const Fuentes& fuentes);

// The dictionary as text, one entry per line, always the same bytes for the same dictionary.
std::string Escribir(const nlohmann::ordered_json& diccionario);

}  // namespace quillora::diccionario
