// Cell mark-up rewritten for an XHTML document, and the document an append extends.
#include "grid/stringgrid/XhtmlMarkup.h"

#include <gtest/gtest.h>

namespace {

TEST(XhtmlMarkup, RewritesMarkupAsXml) {
    struct Case {
        const char* Markup;
        const char* Xml;
    };
    const Case cases[] = {
        {"plain text", "plain text"},
        {"a<br>b<BR/>c<br />d", "a<br/>b<br/>c<br/>d"},
        {"1&nbsp;2&euro;&copy;", "1&#160;2&#8364;&#169;"},
        {"&amp;&lt;&gt;&quot;&apos;", "&amp;&lt;&gt;&quot;&apos;"},
        {"&#65;&#x42;&#1;&#xD800;", "&#65;&#66;&#65533;&#65533;"},
        {"R&D & co &unknown; &#;", "R&amp;D &amp; co &amp;unknown; &amp;#;"},
        {"<B>bold", "<b>bold</b>"},
        {"<b><i>both</b> after", "<b><i>both</i></b> after"},
        {"stray</i> end</td>", "stray end"},
        {"a < b > c", "a &lt; b &gt; c"},
        {"<3 <!-- note --> <?x?>", "&lt;3 &lt;!-- note --&gt; &lt;?x?&gt;"},
        {"<img src= \"file://a.jpg\">", "<img src=\"file://a.jpg\"/>"},
        {"<td NOWRAP width=5 title='a\"b<'>x",
         "<td nowrap=\"nowrap\" width=\"5\" title=\"a&quot;b&lt;\">x</td>"},
        {"<font color=\"red\" color=\"blue\">x</font>", "<font color=\"red\">x</font>"},
        {"<a href=\"x?a=1&b=2\">l</a>", "<a href=\"x?a=1&amp;b=2\">l</a>"},
        {"<b title=\"open>x", "&lt;b title=&quot;open&gt;x"},
        {"<b x:y=1 xmlns=\"u\">", "<b x=\"x\" y=\"1\"></b>"},
        {"<u", "&lt;u"},
        {"ctl\x01\x0b", "ctl\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"Grüße", "Grüße"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WellFormedXhtml(c.Markup), c.Xml) << c.Markup;
}

TEST(XhtmlMarkup, AnAddedPartGoesInsideTheDocument) {
    const std::string document = XhtmlDocument("<p>one</p>\r\n");
    EXPECT_TRUE(document.starts_with("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"));
    EXPECT_TRUE(document.ends_with("<p>one</p>\r\n</html>\r\n"));
    EXPECT_EQ(XhtmlDocumentPart(document), "<p>one</p>\r\n");
    const std::string added =
        AddToXhtmlDocument(document + "<!-- footer -->\r\n", "<p>two</p>\r\n");
    EXPECT_TRUE(added.ends_with("<p>one</p>\r\n<p>two</p>\r\n</html>\r\n<!-- footer -->\r\n"))
        << added;
    EXPECT_EQ(added.find("<?xml", 1), std::string::npos);
    EXPECT_EQ(AddToXhtmlDocument("no document", "<p/>"), "no document<p/>");
}

} // namespace
