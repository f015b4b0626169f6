#include "core/markup/markup_catalog.h"

#include <algorithm>
#include <string>

#include "core/common/command_ids.h"
#include "core/markup/insertion_primitives.h"

namespace markloom::markup {

namespace {

// Builds one row of the table; the chained calls read like the row.
struct Row {
  Command c;
  Row& key(std::string_view shortcut) {
    c.shortcut = shortcut;
    return *this;
  }
  // The menu entry shows the command's action, so it has the command's name.
  Row& menu(MenuId id, std::string_view caption, bool breakBefore = false) {
    c.menu = MenuOffer{id, caption, breakBefore};
    return *this;
  }
  // The button has the command's name unless button() gives it its own.
  Row& bar(BarId id, std::string_view caption, std::string_view hint = {}) {
    c.bar.bar = id;
    c.bar.name = c.id;
    c.bar.caption = caption;
    c.bar.hint = hint;
    return *this;
  }
  Row& button(std::string_view name) {
    c.bar.name = name;
    return *this;
  }
  Row& at(int order) {
    c.bar.order = order;
    return *this;
  }
  Row& separated() {
    c.bar.separatorBefore = true;
    return *this;
  }
  Row& control(Control kind, MenuId dropDown = MenuId::None) {
    c.bar.control = kind;
    c.bar.dropDown = dropDown;
    return *this;
  }
  Row& value() {
    c.takesValue = true;
    return *this;
  }
};

Row row(std::string_view id, Primitive primitive, std::string_view a = {}, std::string_view b = {},
        std::string_view c = {}) {
  Row r;
  r.c.id = id;
  r.c.primitive = primitive;
  r.c.texts = {a, b, c};
  return r;
}
Row snippet(std::string_view id, std::string_view text) { return row(id, Primitive::Snippet, text); }
Row wrap(std::string_view id, std::string_view open, std::string_view close) {
  return row(id, Primitive::Wrap, open, close);
}
Row lines(std::string_view id, std::string_view a, std::string_view b, std::string_view c) {
  return row(id, Primitive::LinesAboveCaret, a, b, c);
}
// A wrap whose open text has the box value in it: prefix + value + suffix.
Row wrapValue(std::string_view id, std::string_view prefix, std::string_view suffix, std::string_view close) {
  return row(id, Primitive::Wrap, prefix, suffix, close).value();
}
Row dialog(std::string_view id, std::string_view which) {
  Row r = row(id, Primitive::Dialog);
  r.c.dialog = which;
  return r;
}
Row inert(std::string_view id) { return row(id, Primitive::None); }

using enum BarId;

std::vector<Command> buildCatalog() {
  const MenuId Insert = MenuId::Insert, Multimedia = MenuId::Multimedia, Format = MenuId::Format,
               FontFace = MenuId::FontFace, FontSizes = MenuId::FontSizes, HeaderLevels = MenuId::HeaderLevels,
               Alignment = MenuId::Alignment, BigSmall = MenuId::BigSmall;
  const std::vector<Row> rows = {
      // Insert menu; most entries are also on the Common tab, in their own order.
      dialog(ids::kInsertImage, "Image")
          .key("Ctrl+I")
          .menu(Insert, "&Image")
          .bar(Common, "", "Insert an Image")
          .button(ids::kInsertImageButton)
          .at(1),
      dialog(ids::kInsertRollover, "RolloverImage")
          .key("Ctrl+L")
          .menu(Insert, "&Rollover Image")
          .bar(Common, "", "Insert an Image Rollover")
          .button(ids::kInsertRolloverButton)
          .at(2),
      dialog(ids::kInsertTable, "Table")
          .key("Ctrl+T")
          .menu(Insert, "&Table", true)
          .bar(Tables, "table", "Insert a Table")
          .button(ids::kInsertTableButton),
      dialog(ids::kInsertLayer, "Layer")
          .menu(Insert, "&Layer")
          .bar(Common, "", "Insert a Layer")
          .button(ids::kInsertLayerButton)
          .at(16),
      snippet(ids::kInsertHorizontalRule, "<HR>").menu(Insert, "Hori&zontal Rule"),
      snippet(ids::kInsertLineBreak, "<BR>")
          .menu(Insert, "Line Brea&k")
          .bar(Common, "", "Insert a Line Break")
          .button(ids::kInsertLineBreakButton)
          .at(15),
      snippet(ids::kInsertNonBreakingSpace, "&nbsp;").menu(Insert, "N&on Breaking Space"),
      dialog(ids::kInsertHyperlink, "Hyperlink")
          .key("Ctrl+H")
          .menu(Insert, "&Hyperlink", true)
          .bar(Common, "", "Insert a Hyperlink:")
          .button(ids::kInsertHyperlinkButton)
          .at(3),
      snippet(ids::kInsertAnchor, R"~(<A name=".."></A>)~")
          .menu(Insert, "An&chor")
          .bar(Common, "", "Insert an Anchor")
          .button(ids::kInsertAnchorButton)
          .at(4),
      dialog(ids::kInsertScript, "Script")
          .menu(Insert, "&JavaScript")
          .bar(Common, "", "Insert a Client-Side Script")
          .button(ids::kInsertScriptButton)
          .at(5),
      dialog(ids::kInsertApplet, "Applet")
          .menu(Insert, "J&ava Applet")
          .bar(Common, "", "Insert a Java Applet")
          .button(ids::kInsertAppletButton)
          .at(6),
      dialog(ids::kInsertNavigationMenu, "NavigationMenu")
          .menu(Insert, "&Navigation Menu", true)
          .bar(Common, "", "Insert a Navigation Menu")
          .button(ids::kInsertNavigationMenuButton)
          .at(12),
      dialog(ids::kInsertShockwave, "Multimedia:SHOCK")
          .menu(Multimedia, "&Shockwave")
          .bar(Common, "", "Insert Shockwave")
          .button(ids::kInsertShockwaveButton)
          .at(7),
      dialog(ids::kInsertQuickTime, "QuickTime")
          .menu(Multimedia, "&QuickTime")
          .bar(Common, "", "Insert QuickTime Video")
          .button(ids::kInsertQuickTimeButton)
          .at(10),
      dialog(ids::kInsertRealVideo, "RealVideo")
          .menu(Multimedia, "&RealVideo")
          .bar(Common, "", "Insert RealVideo Stream")
          .button(ids::kInsertRealVideoButton)
          .at(11),
      inert(ids::kInsertVideo)
          .menu(Multimedia, "&Video")
          .bar(Common, "", "Insert a Video")
          .button(ids::kInsertVideoButton)
          .at(8),
      inert(ids::kInsertSound)
          .menu(Multimedia, "&Audio")
          .bar(Common, "", "Insert a Sound Clip")
          .button(ids::kInsertSoundButton)
          .at(9),
      snippet(ids::kInsertActiveX, R"~(<object id="" classid="" width= height= data=""></object>)~")
          .menu(Insert, "Active&X Control")
          .bar(Common, "", "Insert an ActiveX Control")
          .button(ids::kInsertActiveXButton)
          .at(13),
      dialog(ids::kInsertPlugin, "Multimedia:PLUGS")
          .menu(Insert, "&Plugin")
          .bar(Common, "", "Insert a Plug-In")
          .button(ids::kInsertPluginButton)
          .at(14),
      snippet(
          ids::kInsertTimestamp,
          R"~(<SCRIPT Language="JavaScript" type="text/javascript">document.write(document.lastModified);</script>)~")
          .menu(Insert, "Timestamp")
          .bar(Common, "", "Insert Time Stamp")
          .button(ids::kInsertTimestampButton)
          .at(17),

      // Format menu; the face, size, level and alignment entries wrap the selection.
      dialog(ids::kFormatFont, "Font").key("F9").menu(Format, "&Font"),
      dialog(ids::kLinkStyleSheet, "StyleSheets").menu(Format, "Using &Style Sheets"),
      wrap(ids::kBold, "<b>", "</b>").menu(FontFace, "&Bold").bar(Formatting, "", "Bold").at(3),
      wrap(ids::kItalic, "<i>", "</i>").menu(FontFace, "&Italic").bar(Formatting, "", "Italic").at(4),
      wrap(ids::kUnderline, "<u>", "</u>").menu(FontFace, "&Underline").bar(Formatting, "", "Underline").at(5),
      wrap(ids::kBlink, "<blink>", "</blink>").menu(FontFace, "B&link"),
      wrap(ids::kStrikethrough, "<strike>", "</strike>").menu(FontFace, "&Strikethrough"),
      wrap(ids::kFontSize6, R"~(<font size="6">)~", "</font>").menu(FontSizes, "6"),
      wrap(ids::kFontSize5, R"~(<font size="5">)~", "</font>").menu(FontSizes, "5"),
      wrap(ids::kFontSize4, R"~(<font size="4">)~", "</font>").menu(FontSizes, "4"),
      wrap(ids::kFontSize3, R"~(<font size="3">)~", "</font>").menu(FontSizes, "3"),
      wrap(ids::kFontSize2, R"~(<font size="2">)~", "</font>").menu(FontSizes, "2"),
      wrap(ids::kFontSize1, R"~(<font size="1">)~", "</font>").menu(FontSizes, "1"),
      wrap(ids::kFontSizeMinus1, R"~(<font size="-1">)~", "</font>").menu(FontSizes, "-1"),
      wrap(ids::kFontSizeMinus2, R"~(<font size="-2">)~", "</font>").menu(FontSizes, "-2"),
      wrap(ids::kHeading1, "<h1>", "</h1>").menu(HeaderLevels, "H1"),
      wrap(ids::kHeading2, "<h2>", "</h2>").menu(HeaderLevels, "H2"),
      wrap(ids::kHeading3, "<h3>", "</h3>").menu(HeaderLevels, "H3"),
      wrap(ids::kHeading4, "<h4>", "</h4>").menu(HeaderLevels, "H4"),
      wrap(ids::kHeading5, "<h5>", "</h5>").menu(HeaderLevels, "H5"),
      wrap(ids::kHeading6, "<h6>", "</h6>").menu(HeaderLevels, "H6"),
      // The alignment entries' object names do not follow their captions; the
      // caption and the output belong together.
      wrap(ids::kAlignLeft, R"~(<p align="left">)~", "</p>")
          .menu(Alignment, "Left Align")
          .bar(Formatting, "", "Left Align")
          .at(6),
      wrap(ids::kAlignCenter, R"~(<p align="center">)~", "</p>")
          .menu(Alignment, "Center Align")
          .bar(Formatting, "", "Center Align")
          .at(7),
      wrap(ids::kAlignRight, R"~(<p align="right">)~", "</p>")
          .menu(Alignment, "Right Align")
          .bar(Formatting, "", "Right Align")
          .at(8),
      dialog(ids::kInsertTransition, "Transitions").menu(Format, "&DHTML Transitions", true),

      // Formatting toolbar boxes: they wrap the selection in the chosen value.
      wrapValue(ids::kFontFaceBox, R"~(<font face=")~", R"~(">)~", "</font>")
          .bar(Formatting, "", "Font")
          .at(1)
          .control(Control::FontNameBox),
      wrapValue(ids::kFontColourBox, R"~(<font color=")~", R"~(">)~", "</font>")
          .bar(Formatting, "", "Font Color")
          .at(2)
          .control(Control::ColourBox),

      // Frames tab.
      snippet(ids::kInsertFrameset, "<frameset></frameset>").bar(Frames, "frameset"),
      snippet(ids::kInsertFrame, R"~(<frame name="" src="">)~").bar(Frames, "frame"),
      snippet(ids::kInsertInlineFrame, "<iframe></iframe>").bar(Frames, "iframe"),
      snippet(ids::kInsertNoFrames, "<noframes></noframes>").bar(Frames, "noframes"),

      // Tables tab ("table" is the Insert menu's Table command above).
      snippet(ids::kInsertTableBody, "<tbody></tbody>").bar(Tables, "tbody"),
      snippet(ids::kInsertTableHead, "<thead></thead>").bar(Tables, "thead"),
      snippet(ids::kInsertTableFoot, "<tfoot></tfoot>").bar(Tables, "tfoot"),
      snippet(ids::kInsertTableRow, "<tr></tr>").bar(Tables, "tr"),
      snippet(ids::kInsertTableCell, "<td></td>").bar(Tables, "td"),

      // Forms tab (image buttons).
      snippet(ids::kInsertForm, R"~(<form name=".." action=".." method=".."></form>)~").bar(Forms, "", "Insert a Form"),
      snippet(ids::kInsertInputField, R"~(<input type="text" style="">)~").bar(Forms, "", "Insert an Input Field"),
      snippet(ids::kInsertCheckBox, R"~(<input type="checkbox" style="">)~").bar(Forms, "", "Insert a Check Box"),
      snippet(ids::kInsertRadioButton, R"~(<input type="radio" style="">)~").bar(Forms, "", "Insert a Radio Button"),
      snippet(ids::kInsertTextField, R"~(<input type="text" style="">)~").bar(Forms, "", "Insert a Text Field"),
      snippet(ids::kInsertTextArea, R"~(<textarea name="" style=""></textarea>)~").bar(Forms, "", "Insert a Text Area"),
      snippet(ids::kInsertDropDownList,
              R"~(<select name="menu" size=""><option selected>A</option><option>B</option></select>)~")
          .bar(Forms, "", "Insert a Drop-Down List"),
      snippet(ids::kInsertFileField, R"~(<input type="file" name="file" enctype="multipart/form-data">)~")
          .bar(Forms, "", "Insert a File Field"),
      snippet(ids::kInsertImageInput, R"~(<input type="image" src="" border="" name="" style="">)~")
          .bar(Forms, "", "Insert an Image Button"),
      snippet(ids::kInsertHiddenField, R"~(<input type="hidden">)~").bar(Forms, "", "Insert a Hidden Field"),

      // Lists tab.
      inert(ids::kListWizard).bar(Lists, "Wizard"),
      snippet(ids::kInsertUnorderedList, "<ul></ul>").bar(Lists, "UL"),
      snippet(ids::kInsertOrderedList, "<ol></ol>").bar(Lists, "OL"),
      snippet(ids::kInsertListItem, "<li>").bar(Lists, "LI"),
      snippet(ids::kInsertDefinition, "<dd>").bar(Lists, "DD"),
      snippet(ids::kInsertDefinitionTerm, "<dt>").bar(Lists, "DT"),
      snippet(ids::kInsertMenuList, "<menu></menu>").bar(Lists, "M"),

      // WML tab.
      dialog(ids::kInsertWmlAccess, "WMLAccess").bar(WML, "access"),
      dialog(ids::kInsertWmlCard, "WMLCard").bar(WML, "card"),
      dialog(ids::kInsertWmlGo, "WMLGo").bar(WML, "go"),
      inert(ids::kBigSmallButton).bar(WML, "big/small").separated().control(Control::DropDownButton, BigSmall),
      wrap(ids::kBig, "<big>", "</big>").menu(BigSmall, "&Big"),
      wrap(ids::kSmall, "<small>", "</small>").menu(BigSmall, "&Small"),
      wrap(ids::kStrong, "<strong>", "</strong>").bar(WML, "", "Strong"),
      wrap(ids::kEmphasis, "<em>", "</em>").bar(WML, "", "Emphasis"),
      wrap(ids::kWmlUnderline, "<u>", "</u>").bar(WML, "", "Underline"),

      // ASP tab.
      dialog(ids::kAspVariables, "ServerVariables:ASP").bar(ASP, "Vars"),
      snippet(ids::kAspInclude, R"~(<!--#include file=""-->)~").bar(ASP, "#"),
      snippet(ids::kAspCode, "<% %>").bar(ASP, "<%%>"),
      snippet(ids::kAspExpression, "<%= %>").bar(ASP, "<%= %>"),
      snippet(ids::kAspIf, "<% if %>").bar(ASP, "<% if %>"),
      snippet(ids::kAspElse, "<% else %>").bar(ASP, "<% else %>"),
      // The caption has a space, the output has none.
      snippet(ids::kAspEndIf, "<% endif %>").bar(ASP, "<% end if %>"),

      // ColdFusion tab: the tag box's "+" inserts whatever the box shows.
      dialog(ids::kColdFusionVariables, "ServerVariables:CFM").bar(ColdFusion, "Vars"),
      snippet(ids::kInsertColdFusionTag, {})
          .value()
          .bar(ColdFusion, "+", "Insert the tag shown in the box")
          .separated()
          .control(Control::TagBoxButton),
      snippet(ids::kColdFusionIf, "<cfif></cfif>").bar(ColdFusion, "if").separated(),
      snippet(ids::kColdFusionElse, "<cfelse>").bar(ColdFusion, "else"),
      snippet(ids::kColdFusionElseIf, "<cfelseif>").bar(ColdFusion, "eif"),
      snippet(ids::kColdFusionSet, "<cfset>").bar(ColdFusion, "set"),
      snippet(ids::kColdFusionOutput, "<cfoutput></cfoutput>").bar(ColdFusion, "out"),

      // SSI tab.
      dialog(ids::kSsiVariables, "ServerVariables:SSI").bar(SSI, "Vars"),
      snippet(ids::kSsiBreak, "<!--#break -->").bar(SSI, "Brake"),
      snippet(ids::kSsiEcho, R"~(<!--#echo var="" -->)~").bar(SSI, "Echo"),
      snippet(ids::kSsiLabel, R"~(<!--#label="" -->)~").bar(SSI, "Label"),
      snippet(ids::kSsiGoto, R"~(<!--#goto="" -->)~").bar(SSI, "Goto"),
      inert(ids::kSsiExtrasButton).bar(SSI, "Extras").control(Control::DropDownButton, MenuId::SSIExtras),

      // PHP tab: the last six put three whole lines above the caret's line.
      dialog(ids::kPhpVariables, "ServerVariables:PHP").bar(PHP, "Vars"),
      snippet(ids::kPhpShortTag, "<? ?>").bar(PHP, "<? ?>"),
      snippet(ids::kPhpTag, "<?php ?>").bar(PHP, "<?php ?>"),
      lines(ids::kPhpVariable, "<?", R"~($var =  ".."; )~", "?>").bar(PHP, R"~($var = "";)~"),
      lines(ids::kPhpArrayElement, "<?", R"~($var[x] = "..";)~", "?>").bar(PHP, R"~($var[x] = "";)~"),
      lines(ids::kPhpEcho, "<?", R"~(echo "$var"; )~", "?>").bar(PHP, "echo"),
      lines(ids::kPhpIf, "<?", "if ($a > $b)", R"~(     print "a > b" ?>)~").bar(PHP, "if"),
      lines(ids::kPhpElse, "<?", "} else {", "?>").bar(PHP, "else"),
      lines(ids::kPhpElseIf, "<?", "} elseif ($a==$b) {", "?>").bar(PHP, "elseif"),

      // WebTV tab.
      snippet(
          ids::kWebTvAudioscope,
          R"~(<audioscope align="" leftcolor="#" width="" height="" rightcolor="#" rightoffset="" border="" leftoffset="" maxlevel="yes|no" gain="">)~")
          .bar(WebTV, "Audiosc"),
      snippet(ids::kWebTvBaseFont, R"~(<basefont size="" face="" color="">)~").bar(WebTV, "Basefont"),
      snippet(ids::kWebTvBlockQuote, "<bq></bq>").bar(WebTV, "BQ"),
      snippet(ids::kWebTvLimitText, R"~(<limittext width="" size="" value="">)~").bar(WebTV, "LimitText"),
      snippet(ids::kWebTvNoBreak, "<nobr>").bar(WebTV, "Nobr"),
      snippet(ids::kWebTvNoSmartQuotes, "<nosmartquotes></nosmartquotes>").bar(WebTV, "Nosmartquotes"),
      snippet(ids::kWebTvShadow, "<shadow></shadow>").bar(WebTV, "Shadow"),
      snippet(ids::kWebTvSidebar, R"~(<sidebar align="" width=""></sidebar>)~").bar(WebTV, "Sidebar"),

      // JSP tab.
      inert(ids::kJspInfo).bar(JSP, "", "Java Server Pages"),
      snippet(ids::kJspDeclaration, "<%! %>").bar(JSP, "%!"),
      snippet(ids::kJspScriptlet, "<% %>").bar(JSP, "%"),
      snippet(ids::kJspExpression, "<%= %>").bar(JSP, "%="),
      snippet(ids::kJspInclude, R"~(<jsp:include page="" flush="true"/>)~").bar(JSP, "", "Include a Page"),
      snippet(ids::kJspComment, "<%----%>").bar(JSP, "", "Insert a Comment"),
      snippet(ids::kJspParam, R"~(<jsp:param name="" value=""/>)~").bar(JSP, "!"),
      snippet(ids::kJspParams, "<jsp:params></jsp:params>").bar(JSP, "!!"),
  };
  std::vector<Command> out;
  out.reserve(rows.size());
  for (const Row& r : rows) out.push_back(r.c);
  return out;
}

std::string join(std::string_view a, std::string_view b, std::string_view c = {}) {
  std::string s;
  s.reserve(a.size() + b.size() + c.size());
  s.append(a).append(b).append(c);
  return s;
}

}  // namespace

const std::vector<Command>& catalog() {
  static const std::vector<Command> table = buildCatalog();
  return table;
}

const Command* findCommand(std::string_view id) {
  for (const Command& c : catalog()) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

std::vector<const Command*> barCommands(BarId bar) {
  std::vector<const Command*> out;
  for (const Command& c : catalog()) {
    if (c.bar.bar == bar) out.push_back(&c);
  }
  std::stable_sort(out.begin(), out.end(),
                   [](const Command* a, const Command* b) { return a->bar.order < b->bar.order; });
  return out;
}

bool runCommand(EditorOps& ops, const Command& command, std::string_view value) {
  const auto& t = command.texts;
  switch (command.primitive) {
    case Primitive::Wrap:
      if (command.takesValue) {
        WrapSelection(ops, join(t[0], value, t[1]), std::string(t[2]));
      } else {
        WrapSelection(ops, std::string(t[0]), std::string(t[1]));
      }
      return true;
    case Primitive::Snippet:
      InsertSnippet(ops, command.takesValue ? join(t[0], value, t[1]) : std::string(t[0]));
      return true;
    case Primitive::LinesAboveCaret:
      InsertLinesAboveCaret(ops, std::string(t[0]), std::string(t[1]), std::string(t[2]));
      return true;
    case Primitive::Dialog:
    case Primitive::None: return false;
  }
  return false;
}

}  // namespace markloom::markup
