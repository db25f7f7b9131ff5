#pragma once

#include <string>
#include <string_view>

// The little Spanish morphology the dictionary generator needs: regular feminines and plurals of
// nouns of people, phrases declined on their head, the y/e and o/u conjunctions and the slash
// forms of job ads. Irregular words are written out in the source lists instead.
namespace quillora::diccionario {

// -o → -a, -or → -ora, -ón → -ona, -án → -ana, -ín → -ina, -és → -esa; any other ending is
// the same for both sexes (docente, periodista, militar).
std::string Femenino(std::string_view palabra);

// -s after a vowel, -es after a consonant or a stressed í/ú, -z → -ces, and the written accent of
// -ón, -án, -és… dropped (campeón → campeones).
std::string Plural(std::string_view palabra);

// The phrase with `declinar` applied to each word before the first preposition or "que", the rest
// kept: "técnico de mantenimiento" → "técnica de mantenimiento".
std::string DeclinarFrase(std::string_view frase, std::string (*declinar)(std::string_view));

// "a y b", with "e" before a word that sounds /i/ and "u" before one that sounds /o/.
std::string Unir(std::string_view a, std::string_view conjuncion, std::string_view b);

// Two forms of one noun joined by Unir, with the words after the head written once when both
// share them: "jefe o jefa de cocina", but "ingeniero informático o ingeniera informática".
std::string UnirFormas(std::string_view masculino, std::string_view conjuncion,
                       std::string_view femenino);

// "ingeniero/a", "director/a comercial", "alcalde/sa": each word that changes, written with its
// feminine ending after a slash.
std::string ConBarra(std::string_view masculino, std::string_view femenino);

}  // namespace quillora::diccionario
