#include "RecordingControl.h"

#include "platform/ui/InputSimulation.h"
#include "platform/ui/LinkLabel.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

TLinkRun Plain(std::string text) {
    return {std::move(text), false, "", sltURL};
}

TLinkRun Url(std::string text, std::string link) {
    return {std::move(text), true, std::move(link), sltURL};
}

struct MarkupCase {
    const char* Name;
    std::string Caption;
    std::vector<TLinkRun> Runs;
};

class LinkMarkup : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(LinkMarkup, SplitsTheCaptionIntoRuns) {
    EXPECT_EQ(ParseLinkMarkup(GetParam().Caption), GetParam().Runs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LinkMarkup,
    ::testing::Values(
        MarkupCase{"TextAroundALink",
                   "New Version. <a href=\"http://host/dl.asp#GW40215\">Click Here</a> now",
                   {Plain("New Version. "), Url("Click Here", "http://host/dl.asp#GW40215"),
                    Plain(" now")}},
        MarkupCase{"CaseAndQuotesVary", "<A HREF='x.htm'>y</A>", {Url("y", "x.htm")}},
        MarkupCase{"IdWithoutHref", "<a id=home>Home</a>", {{"Home", true, "home", sltID}}},
        MarkupCase{"QuotedGreaterThan", "<a href=\"a>b\">t</a>", {Url("t", "a>b")}},
        MarkupCase{"UnclosedTagIsText", "a <b and <a href=x", {Plain("a <b and <a href=x")}},
        MarkupCase{"OtherTagsAreText", "<b>bold</b>", {Plain("<b>bold</b>")}},
        MarkupCase{
            "OpenAnchorRunsToTheEnd", "go <a href=u>there", {Plain("go "), Url("there", "u")}},
        MarkupCase{"Empty", "", {}}),
    [](const ::testing::TestParamInfo<MarkupCase>& info) { return std::string(info.param.Name); });

class LinkLabelTest : public ::testing::Test {
protected:
    LinkLabelTest() : Form(std::make_unique<TestForm>(nullptr)), Link(new TLinkLabel(Form.get())) {
        Link->SetParent(Form.get());
        Link->SetCaption("Get it: <a href=\"http://host/download\">download page</a>");
        Link->OnLinkClick = [this](TObject* sender, const std::string& link, TSysLinkType type) {
            EXPECT_EQ(sender, Link);
            EXPECT_EQ(type, sltURL);
            Clicked.push_back(link);
        };
    }

    // A point on the link's text and one on the plain text before it.
    TPoint OnLink() const { return Point(Link->Width() - 3, Link->Height() / 2); }
    TPoint OnText() const { return Point(2, Link->Height() / 2); }

    std::unique_ptr<TestForm> Form;
    TLinkLabel* Link;
    std::vector<std::string> Clicked;
};

TEST_F(LinkLabelTest, ClickOnTheLinkFiresItsTarget) {
    InputSimulation::Click(Link, OnLink());
    EXPECT_EQ(Clicked, std::vector<std::string>{"http://host/download"});
}

TEST_F(LinkLabelTest, ClickOnPlainTextFiresNothing) {
    InputSimulation::Click(Link, OnText());
    EXPECT_TRUE(Clicked.empty());
}

TEST_F(LinkLabelTest, ReleaseAwayFromTheLinkFiresNothing) {
    InputSimulation::MouseDown(Link, mbLeft, OnLink());
    InputSimulation::MouseUp(Link, mbLeft, OnText());
    EXPECT_TRUE(Clicked.empty());
}

TEST_F(LinkLabelTest, PointerTurnsToAHandOverTheLink) {
    InputSimulation::MouseMove(Link, OnLink());
    EXPECT_EQ(Link->Cursor(), crHandPoint);
    InputSimulation::MouseMove(Link, OnText());
    EXPECT_EQ(Link->Cursor(), crDefault);
}

TEST_F(LinkLabelTest, SizeFollowsTheVisibleTextOnly) {
    const int width = Link->Width();
    Link->SetCaption("Get it: download page");
    EXPECT_EQ(Link->Width(), width) << "the markup takes no room";
}

} // namespace
