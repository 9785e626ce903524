// The formatted-string markup: parsed runs, the encoded header, anchors, and measuring through a
// Graph's drawing context (widths computed from the font metrics, never hard-coded).

#include "graph/Markup.h"
#include "tests/graph/GraphSupport.h"

#include <gtest/gtest.h>

#include <QImage>

using markup::Item;
using markup::Parse;
using markup::Style;

namespace {

const Style kBase{"Helvetica", 10, false, false};

std::vector<Item> Texts(const QString& s, const Style& start = kBase) {
    std::vector<Item> out;
    for (const Item& it : Parse(s, start))
        if (it.kind == Item::Kind::Text) out.push_back(it);
    return out;
}

QString Joined(const QString& s) {
    QString out;
    for (const Item& it : Texts(s)) out += it.text;
    return out;
}

QString Chars(std::initializer_list<int> codes) {
    QString s;
    for (int c : codes) s += QChar(static_cast<char16_t>(c));
    return s;
}

// Metrics of a font as any drawing context reports them.
struct Metrics {
    QImage image{8, 8, QImage::Format_RGB32};
    Graphics g{&image};
    Metrics(const QString& font, int size) {
        g.SetTextFont(font);
        g.SetTextSize(size);
    }
    int Width(const QString& text) { return qRound(g.StringWidth(text)); }
};

} // namespace

TEST(MarkupParse, SuperscriptShrinksAndRaisesFromTheBaseSize) {
    std::vector<Item> t = Texts("E^2^x");
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[1].text, "2");
    EXPECT_EQ(t[1].style.size, 7); // round(0.72 x 10)
    EXPECT_EQ(t[1].shift, 3);      // round(0.3 x 10)
    EXPECT_EQ(t[2].shift, 0);
    EXPECT_EQ(t[2].style.size, 10);
    t = Texts("E^2^", {"Helvetica", 20, false, false});
    EXPECT_EQ(t[1].style.size, 14);
    EXPECT_EQ(t[1].shift, 6);
}

TEST(MarkupParse, SubscriptSharesTheShiftAndASpaceEndsIt) {
    std::vector<Item> t = Texts("Psi_E (rel)");
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[1].shift, -3);
    EXPECT_EQ(t[2].text, " (rel)");
    EXPECT_EQ(t[2].shift, 0);
    t = Texts("a_b^c"); // "^" while lowered ends the subscript
    EXPECT_EQ(t[2].text, "c");
    EXPECT_EQ(t[2].shift, 0);
}

TEST(MarkupParse, SymbolFontRunsEndAtTheClosingMarkOrASpace) {
    std::vector<Item> t = Texts("$a$b");
    EXPECT_EQ(t[0].style.font, "Symbol");
    EXPECT_EQ(t[1].style.font, "Helvetica");
    t = Texts("$ab c");
    EXPECT_EQ(t[0].style.font, "Symbol");
    EXPECT_EQ(t[1].text, " c");
    EXPECT_EQ(t[1].style.font, "Helvetica");
}

TEST(MarkupParse, BoldItalicAndItalicPenMoves) {
    std::vector<Item> items = Parse(u"\\E^2^!b!", kBase);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_TRUE(items[0].style.italic);
    EXPECT_EQ(items[1].kind, Item::Kind::Move);
    EXPECT_EQ(items[1].dx, 2); // round(0.2 x 10)
    EXPECT_TRUE(items[3].style.bold);
    items = Parse(u"\\E_2_", kBase);
    EXPECT_EQ(items[1].dx, -2);
    items = Parse(u"a~b", kBase);
    EXPECT_EQ(items[1].kind, Item::Kind::Move);
    EXPECT_EQ(items[1].dx, 1);
}

TEST(MarkupParse, EscapesMakeMarkupCharactersText) {
    EXPECT_EQ(Joined("100&% &^x"), "100% ^x");
    for (const Item& it : Texts("&^2&^")) EXPECT_EQ(it.shift, 0);
    EXPECT_EQ(Joined("ab&"), "ab");
}

TEST(MarkupParse, FontAndSizeFieldsChangeTheBase) {
    std::vector<Item> t = Texts("a#14#b@Courier@c");
    EXPECT_EQ(t[1].style.size, 14);
    EXPECT_TRUE(t[1].probe);
    EXPECT_EQ(t[1].probeSize, 14);
    EXPECT_EQ(t[2].style.font, "Courier");
    EXPECT_EQ(t[2].style.size, 14);
    // The line height counts base sizes only, not the size of a raised first character.
    t = Texts("^x^");
    EXPECT_TRUE(t[0].probe);
    EXPECT_EQ(t[0].probeSize, 10);
}

TEST(MarkupParse, SizesAreClampedToOneToTwoHundred) {
    EXPECT_EQ(Texts("#1e9#x")[0].style.size, 200);
    EXPECT_EQ(Texts("#-3#x")[0].style.size, 1);
    EXPECT_EQ(Texts("#nan#x")[0].style.size, 1);
    EXPECT_EQ(Texts("#14.4#x")[0].style.size, 14);
}

TEST(MarkupParse, UnterminatedFieldsStopTheString) {
    EXPECT_EQ(Joined("ab#14"), "ab");
    EXPECT_EQ(Joined("ab@Courier x"), "ab");
}

TEST(MarkupParse, LineBreaks) {
    int breaks = 0;
    for (const Item& it : Parse(u"a|b|c", kBase)) breaks += it.kind == Item::Kind::Break;
    EXPECT_EQ(breaks, 2);
}

TEST(MarkupHeader, OneLineEncodesCountHeightAndWidths) {
    const markup::Measure m{1, 12, 70, {70}};
    const QString e = markup::Encode(m, "Helvetica", 10, "abc");
    EXPECT_EQ(e, "." + Chars({1, 12, 0, 70, 0, 70}) + "@Helvetica@#10#abc");
    EXPECT_EQ(markup::EncodedHeight(e), 12);
    EXPECT_EQ(markup::EncodedWidth(e), 70);
    EXPECT_EQ(markup::EncodedBody(e), "@Helvetica@#10#abc");
}

TEST(MarkupHeader, SeveralLinesAndWideWidths) {
    const markup::Measure m{3, 14, 300, {300, 20, 0}};
    const QString e = markup::Encode(m, "Helvetica", 10, "a|b|c");
    EXPECT_EQ(e.left(11), "." + Chars({3, 14, 1, 44, 1, 44, 0, 20, 0, 0}));
    EXPECT_EQ(markup::EncodedHeight(e), 42);
    EXPECT_EQ(markup::EncodedWidth(e), 300);
    markup::Header h;
    ASSERT_TRUE(markup::ReadHeader(e, h));
    EXPECT_EQ(h.lineWidths, (std::vector<int>{300, 20, 0}));
    EXPECT_EQ(e.mid(h.bodyStart), "@Helvetica@#10#a|b|c");
}

TEST(MarkupHeader, FieldsWrapModulo256) {
    const QString e = markup::EncodeHeader({257, 300, 70000, {}});
    EXPECT_EQ(e, "." + Chars({1, 44, 17, 112}));
}

TEST(MarkupHeader, NotEncodedStrings) {
    EXPECT_EQ(markup::EncodedHeight(""), 0);
    EXPECT_EQ(markup::EncodedWidth("abcdef"), 0);
    EXPECT_EQ(markup::EncodedBody("abc"), "abc");
    const QString shortOne = "." + Chars({3, 12, 0, 9, 0, 9});
    EXPECT_EQ(markup::EncodedBody(shortOne), shortOne); // shorter than 2n + 6
    const QString noBody = "." + Chars({1, 12, 0, 9, 0, 9});
    EXPECT_EQ(markup::EncodedBody(noBody), noBody);
    markup::Header h1;
    EXPECT_TRUE(markup::ReadHeader(noBody, h1)); // drawing accepts it, with nothing to draw
    EXPECT_EQ(h1.bodyStart, noBody.size());
    markup::Header h;
    EXPECT_FALSE(markup::ReadHeader("." + Chars({0, 12, 0, 0}) + "x", h));
    EXPECT_FALSE(markup::ReadHeader(shortOne, h));
}

TEST(MarkupHeader, LineHeightReplacesOnlyPositionThree) {
    const QString e = markup::Encode({2, 12, 30, {30, 5}}, "Helvetica", 10, "a|b");
    const QString h = markup::WithLineHeight(e, 20);
    EXPECT_EQ(markup::EncodedHeight(h), 40);
    EXPECT_EQ(h.left(2), e.left(2));
    EXPECT_EQ(h.mid(3), e.mid(3));
    EXPECT_EQ(markup::WithLineHeight(e, 256 + 20), h);
}

TEST(MarkupAnchor, BaselinesAndLineStarts) {
    EXPECT_EQ(markup::AnchorFirstBaseline(1, 100, 12, 3), 76);
    EXPECT_EQ(markup::AnchorFirstBaseline(3, 100, 12, 1), 100);
    EXPECT_EQ(markup::AnchorFirstBaseline(5, 100, 12, 1), 104); // y + round(h / 2) - 2
    EXPECT_EQ(markup::AnchorFirstBaseline(6, 100, 12, 3), 92);
    EXPECT_EQ(markup::AnchorFirstBaseline(8, 100, 12, 3), 110);
    EXPECT_EQ(markup::AnchorFirstBaseline(0, 100, 12, 3), 100);
    EXPECT_EQ(markup::AnchorLineStart(4, 100, 31), 100);
    EXPECT_EQ(markup::AnchorLineStart(5, 100, 31), 84);
    EXPECT_EQ(markup::AnchorLineStart(9, 100, 31), 69);
    EXPECT_EQ(markup::AnchorLineStart(10, 100, 31), 100);
}

TEST(MarkupMeasure, HeaderWidthsComeFromTheFontMetrics) {
    auto g = OpenGraph(300, 200);
    Metrics h10("Helvetica", 10);
    Metrics h7("Helvetica", 7);
    Metrics h14("Helvetica", 14);

    QString e = g->SetSString("Potential (eV)");
    EXPECT_EQ(g->GetSSWidth(e), h10.Width("Potential (eV)"));
    EXPECT_EQ(g->GetSSHeight(e), h10.g.TextHeight());
    EXPECT_EQ(g->GetSString(e), "@Helvetica@#10#Potential (eV)");

    e = g->SetSString("E^2^");
    EXPECT_EQ(g->GetSSWidth(e), h10.Width("E") + h7.Width("2"));
    EXPECT_EQ(g->GetSSHeight(e), h10.g.TextHeight());

    e = g->SetSString("a|bb|ccc");
    EXPECT_EQ(g->GetSSHeight(e), 3 * h10.g.TextHeight());
    EXPECT_EQ(g->GetSSWidth(e), h10.Width("ccc"));

    e = g->SetSString("ab#14#c");
    EXPECT_EQ(g->GetSSWidth(e), h10.Width("ab") + h14.Width("c"));
    EXPECT_EQ(g->GetSSHeight(e), std::max(h10.g.TextHeight(), h14.g.TextHeight()));

    // Raised and lowered sizes do not count for the line height.
    EXPECT_EQ(g->GetSSHeight(g->SetSString("^x^")), h10.g.TextHeight());
    EXPECT_NE(h7.g.TextHeight(), h10.g.TextHeight());

    Metrics symbol("Symbol", 10);
    EXPECT_EQ(g->GetSSWidth(g->SetSString("$a$")), symbol.Width("a"));
    EXPECT_EQ(g->GetSSWidth(g->SetSString("ab#14")), h10.Width("ab"));
}

TEST(MarkupMeasure, EmptyMarkupAndMissingTarget) {
    auto g = OpenGraph(300, 200);
    EXPECT_EQ(g->SetSString(""), "");
    g->Event_Close();
    EXPECT_EQ(g->SetSString(""), "");
    for (auto call : {std::function<void()>([&] { g->SetSString("x"); }),
                      std::function<void()>([&] { g->DrawSString("x", 0, 0, 1); })}) {
        try {
            call();
            ADD_FAILURE() << "no error";
        } catch (const GraphError& e) {
            EXPECT_EQ(e.msg, "DrawSString: Graphics target undefined.");
        }
    }
}

TEST(MarkupMeasure, SetSSLineHEncodesPlainStrings) {
    auto g = OpenGraph(300, 200);
    const QString e = g->SetSSLineH("a|b", 20);
    EXPECT_EQ(g->GetSSHeight(e), 40);
    EXPECT_EQ(g->GetSString(e), "@Helvetica@#10#a|b");
}

TEST(MarkupMeasure, SizeSettersClampToOneToTwoHundred) {
    auto g = OpenGraph(300, 200);
    g->SetTickFontInfo("", 1000);
    EXPECT_EQ(g->TickFSize, 200);
    EXPECT_EQ(g->TickFont, "Helvetica");
    g->SetTickFontInfo("Courier", 0);
    EXPECT_EQ(g->TickFSize, 200);
    EXPECT_EQ(g->TickFont, "Courier");
    g->SetFontInfo("", -5);
    EXPECT_EQ(g->GX->TextSize(), 1);
    EXPECT_EQ(g->GX->TextFont(), "Helvetica");
}

TEST(MarkupMeasure, ContextStyleIsRestored) {
    auto g = OpenGraph(300, 200);
    g->SetFontInfo("System", 13, true, false);
    g->SetSString("!\\#20#@Courier@x$a");
    EXPECT_EQ(g->GX->TextFont(), "System");
    EXPECT_EQ(g->GX->TextSize(), 13);
    EXPECT_TRUE(g->GX->Bold());
    EXPECT_FALSE(g->GX->Italic());
}
