#include "story.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/texto_unicode.h"

namespace quillora::memory {
namespace {

std::vector<std::string> Unidades(const std::string& texto) {
  Story story(texto::Utf8AUtf16(texto));
  std::vector<std::string> unidades;
  for (std::int32_t i = 0; i < story.UnitCount(); ++i) {
    const auto inicio = story.UnitStart(i);
    unidades.push_back(texto::Utf16AUtf8(
        std::u16string_view(story.Text())
            .substr(static_cast<size_t>(inicio), static_cast<size_t>(story.UnitEnd(i) - inicio))));
  }
  return unidades;
}

using V = std::vector<std::string>;

std::vector<std::int32_t> Inicios(Story& story) {
  std::vector<std::int32_t> inicios;
  for (std::int32_t i = 0; i < story.UnitCount(); ++i) inicios.push_back(story.UnitStart(i));
  return inicios;
}

TEST(Story, EditsKeepTheWordUnitsOfAStoryReadAfresh) {
  // Random edits of random pieces: words, blanks, signs, breaks, astral characters.
  const std::vector<std::u16string> piezas = {u"el ", u"hombre",       u" ",  u"  ", u",",
                                              u"\r",  u"\v",           u"\t", u"ñu", u"\xA0",
                                              u"-a",  u"\xD83D\xDE00", u"",   u"\f", u"."};
  std::uint32_t semilla = 12345;
  const auto azar = [&semilla](std::uint32_t hasta) {
    semilla = semilla * 1664525u + 1013904223u;
    return static_cast<std::int32_t>((semilla >> 8) % hasta);
  };
  Story story(u"Los niños juegan.\rEl hombre, la mujer.\r");
  story.UnitCount();
  for (int paso = 0; paso < 2000; ++paso) {
    const auto inicio = azar(static_cast<std::uint32_t>(story.Length()) + 1);
    const auto fin = std::min(story.Length(), inicio + azar(6));
    std::u16string nuevo;
    for (int i = azar(3); i > 0; --i) nuevo += piezas[static_cast<size_t>(azar(15))];
    story.Replace(inicio, fin, nuevo);
    Story leida(story.Text());
    ASSERT_EQ(Inicios(story), Inicios(leida)) << "paso " << paso;
  }
}

TEST(Story, PartsTheTextIntoWordUnitsAsWordDoes) {
  EXPECT_EQ(Unidades("El hombre de la casa.\r"),
            (V{"El ", "hombre ", "de ", "la ", "casa", ".", "\r"}));
  // Leading blanks of a paragraph are a unit; a paragraph mark keeps no blanks.
  EXPECT_EQ(Unidades("  hola,  mundo\r  fin\r"),
            (V{"  ", "hola", ",  ", "mundo", "\r", "  ", "fin", "\r"}));
  EXPECT_EQ(Unidades("niños/as y alumno-a\\os\r"),
            (V{"niños", "/", "as ", "y ", "alumno", "-", "a", "\\", "os", "\r"}));
  // A no-break space separates words like a blank; an optional hyphen does not split a word.
  EXPECT_EQ(Unidades("los\u00A0trabaja\u00ADdores\r"),
            (V{"los\u00A0", "trabaja\u00ADdores", "\r"}));
  // Astral characters are one unit of two code units; a tab is a unit of its own.
  EXPECT_EQ(Unidades("a\xF0\x9F\x98\x80 b\tc\r"),
            (V{"a", "\xF0\x9F\x98\x80 ", "b", "\t", "c", "\r"}));
  EXPECT_EQ(Unidades(""), V{});
}

TEST(Story, FindsTheUnitOfAPosition) {
  Story story(u"ab cd\r");
  EXPECT_EQ(story.UnitCount(), 3);
  EXPECT_EQ(story.UnitAt(0), 0);
  EXPECT_EQ(story.UnitAt(2), 0);  // the trailing blank belongs to the word
  EXPECT_EQ(story.UnitAt(3), 1);
  EXPECT_EQ(story.UnitAt(5), 2);
  story.Replace(0, 0, u"x ");  // units follow the edit
  EXPECT_EQ(story.UnitCount(), 4);
  EXPECT_EQ(story.UnitStart(1), 2);
}

TEST(Story, LiveSpansFollowEdits) {
  Story story(u"0123456789\r");
  LiveSpan antes(story, 0, 2);
  LiveSpan despues(story, 6, 8);
  LiveSpan contiene(story, 1, 9);
  LiveSpan empiezaEnInsercion(story, 4, 6);
  LiveSpan acabaEnInsercion(story, 2, 4);

  story.Replace(4, 4, u"XY");  // insertion at 4
  EXPECT_EQ(std::pair(antes.start, antes.end), std::pair(0, 2));
  EXPECT_EQ(std::pair(despues.start, despues.end), std::pair(8, 10));
  EXPECT_EQ(std::pair(contiene.start, contiene.end), std::pair(1, 11));
  EXPECT_EQ(std::pair(empiezaEnInsercion.start, empiezaEnInsercion.end), std::pair(6, 8));
  EXPECT_EQ(std::pair(acabaEnInsercion.start, acabaEnInsercion.end), std::pair(2, 4));
  EXPECT_EQ(story.Text(), u"0123XY456789\r");

  // Replacing 3..9 ("3XY456") with "z": spans inside collapse behind the new text, spans that
  // straddle an edge keep their outer side.
  story.Replace(3, 9, u"z");
  EXPECT_EQ(story.Text(), u"012z789\r");
  EXPECT_EQ(std::pair(antes.start, antes.end), std::pair(0, 2));
  EXPECT_EQ(std::pair(despues.start, despues.end), std::pair(4, 5));
  EXPECT_EQ(std::pair(contiene.start, contiene.end), std::pair(1, 6));
  EXPECT_EQ(std::pair(empiezaEnInsercion.start, empiezaEnInsercion.end), std::pair(4, 4));
  EXPECT_EQ(std::pair(acabaEnInsercion.start, acabaEnInsercion.end), std::pair(2, 4));

  { LiveSpan breve(story, 0, 1); }  // a span that has gone is no longer moved
  story.Replace(0, 7, u"");
  EXPECT_EQ(std::pair(contiene.start, contiene.end), std::pair(0, 0));
  EXPECT_EQ(story.Text(), u"\r");
}

TEST(Story, StepsOverWholeCharacters) {
  Story story(u"a\U0001F600b");
  EXPECT_EQ(story.NextCharacterEnd(0), 1);
  EXPECT_EQ(story.NextCharacterEnd(1), 3);
  EXPECT_EQ(story.NextCharacterEnd(4), -1);
  EXPECT_EQ(story.PreviousCharacterStart(3), 1);
  EXPECT_EQ(story.PreviousCharacterStart(0), -1);
}

}  // namespace
}  // namespace quillora::memory
