#include "QtText.h"

#include <gtest/gtest.h>

TEST(QtText, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const QString text = Qs(all);
  EXPECT_EQ(text.size(), 256);
  EXPECT_EQ(As(text), all);
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(As(Qs(one)), one) << "byte " << b;
  }
}

TEST(QtText, ConvertsTheWindows1252Characters) {
  EXPECT_EQ(Qs("Caf\xE9"), QString::fromUtf8("Café"));
  EXPECT_EQ(Qs("\x80 \x93x\x94"), QString::fromUtf8("€ “x”"));
  EXPECT_EQ(As(QString::fromUtf8("Libellé du poste € œ")), "Libell\xE9 du poste \x80 \x9C");
}

TEST(QtText, CharactersOutsideTheCodepageBecomeQuestionMarks) {
  EXPECT_EQ(As(QString::fromUtf8("a中b")), "a?b");
}

TEST(QtText, DisplayTextTurnsEveryLineBreakFormIntoOne) {
  EXPECT_EQ(QsDisplay("a\r\nb\n\rc\rd\ne"), QStringLiteral("a\nb\nc\nd\ne"));
  // The exception question: message, LF CR twice, question.
  EXPECT_EQ(QsDisplay("Boom.\n\r\n\rView more informations ?"),
            QStringLiteral("Boom.\n\nView more informations ?"));
  EXPECT_EQ(QsDisplay("\r\n\r\n"), QStringLiteral("\n\n"));
  EXPECT_EQ(QsDisplay("\r\r"), QStringLiteral("\n\n"));
  EXPECT_EQ(QsDisplay("\n\n"), QStringLiteral("\n\n"));
  EXPECT_EQ(QsDisplay("x\r\n\ry"), QStringLiteral("x\n\ny"));
  EXPECT_EQ(QsDisplay("end\r"), QStringLiteral("end\n"));
  EXPECT_EQ(QsDisplay("Cr\xE9\x65r"), QString::fromUtf8("Créer"));
  EXPECT_EQ(QsDisplay(""), QString());
}
