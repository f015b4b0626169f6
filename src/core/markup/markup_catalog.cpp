#include "core/markup/markup_catalog.h"

#include <algorithm>
#include <stdexcept>
#include <string>

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
  Row& menu(MenuId id, std::string_view name, std::string_view caption, bool breakBefore = false) {
    c.menu = MenuOffer{id, name, caption, breakBefore};
    return *this;
  }
  Row& bar(BarId id, std::string_view name, std::string_view caption, std::string_view hint = {}) {
    c.bar.bar = id;
    c.bar.name = name;
    c.bar.caption = caption;
    c.bar.hint = hint;
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

Row row(std::string_view handler, Primitive primitive, std::string_view a = {}, std::string_view b = {},
        std::string_view c = {}) {
  Row r;
  r.c.handler = handler;
  r.c.primitive = primitive;
  r.c.texts = {a, b, c};
  return r;
}
Row snippet(std::string_view handler, std::string_view text) { return row(handler, Primitive::Snippet, text); }
Row wrap(std::string_view handler, std::string_view open, std::string_view close) {
  return row(handler, Primitive::Wrap, open, close);
}
Row lines(std::string_view handler, std::string_view a, std::string_view b, std::string_view c) {
  return row(handler, Primitive::LinesAboveCaret, a, b, c);
}
// A wrap whose open text has the box value in it: prefix + value + suffix.
Row wrapValue(std::string_view handler, std::string_view prefix, std::string_view suffix, std::string_view close) {
  return row(handler, Primitive::Wrap, prefix, suffix, close).value();
}
Row dialog(std::string_view handler, std::string_view which) {
  Row r = row(handler, Primitive::Dialog);
  r.c.dialog = which;
  return r;
}
Row inert() { return row({}, Primitive::None); }

using enum BarId;

std::vector<Command> buildCatalog() {
  const MenuId Insert = MenuId::Insert, Multimedia = MenuId::Multimedia, Format = MenuId::Format,
               FontFace = MenuId::FontFace, FontSizes = MenuId::FontSizes,
               HeaderLevels = MenuId::HeaderLevels, Alignment = MenuId::Alignment,
               BigSmall = MenuId::BigSmall;
  const std::vector<Row> rows = {
      // Insert menu; most entries are also on the Common tab, in their own order.
      dialog("Image1Click", "Image").key("Ctrl+I").menu(Insert, "Image1", "&Image")
          .bar(Common, "ImageButton", "", "Insert an Image").at(1),
      dialog("RolloverImage1Click", "RolloverImage").key("Ctrl+L").menu(Insert, "RolloverImage1", "&Rollover Image")
          .bar(Common, "RolloverButton", "", "Insert an Image Rollover").at(2),
      dialog("Table1Click", "Table").key("Ctrl+T").menu(Insert, "Table1", "&Table", true)
          .bar(Tables, "TableButton", "table", "Insert a Table"),
      dialog("Layer1Click", "Layer").menu(Insert, "Layer1", "&Layer")
          .bar(Common, "LayerButton", "", "Insert a Layer").at(16),
      snippet("HorizontalRule1Click", "<HR>").menu(Insert, "HorizontalRule1", "Hori&zontal Rule"),
      snippet("LineBreak1Click", "<BR>").menu(Insert, "LineBreak1", "Line Brea&k")
          .bar(Common, "LineBreakButton", "", "Insert a Line Break").at(15),
      snippet("NonBreakingSpace1Click", "&nbsp;").menu(Insert, "NonBreakingSpace1", "N&on Breaking Space"),
      dialog("Hyperlink1Click", "Hyperlink").key("Ctrl+H").menu(Insert, "Hyperlink1", "&Hyperlink", true)
          .bar(Common, "HyperlinkButton", "", "Insert a Hyperlink:").at(3),
      snippet("Anchor1Click", R"~(<A name=".."></A>)~").menu(Insert, "Anchor1", "A&nchor")
          .bar(Common, "AnchorButton", "", "Insert an Anchor").at(4),
      dialog("JavaScript1Click", "Script").menu(Insert, "JavaScript1", "&JavaScript")
          .bar(Common, "ScriptButton", "", "Insert a Client-Side Script").at(5),
      dialog("JavaApplet1Click", "Applet").menu(Insert, "JavaApplet1", "J&ava Applet")
          .bar(Common, "AppletButton", "", "Insert a Java Applet").at(6),
      dialog("N12Click", "NavigationMenu").menu(Insert, "N12", "&Navigation Menu", true)
          .bar(Common, "NavigationMenuButton", "", "Insert a Navigation Menu").at(12),
      dialog("Shockwave1Click", "Multimedia:SHOCK").menu(Multimedia, "Shockwave1", "&Shockwave")
          .bar(Common, "ShockwaveButton", "", "Insert Shockwave").at(7),
      dialog("QuickTime1Click", "QuickTime").menu(Multimedia, "QuickTime1", "&QuickTime")
          .bar(Common, "QuickTimeButton", "", "Insert QuickTime Video").at(10),
      dialog("RealVideo1Click", "RealVideo").menu(Multimedia, "RealVideo1", "&RealVideo")
          .bar(Common, "RealVideoButton", "", "Insert RealVideo Stream").at(11),
      inert().menu(Multimedia, "Video1", "&Video").bar(Common, "VideoButton", "", "Insert a Video").at(8),
      inert().menu(Multimedia, "Audio1", "&Audio").bar(Common, "SoundButton", "", "Insert a Sound Clip").at(9),
      snippet("ActiveXControl1Click", R"~(<object id="" classid="" width= height= data=""></object>)~")
          .menu(Insert, "ActiveXControl1", "Active&X Control")
          .bar(Common, "ActiveXButton", "", "Insert an ActiveX Control").at(13),
      dialog("Plugin1Click", "Multimedia:PLUGS").menu(Insert, "Plugin1", "&Plugin")
          .bar(Common, "PluginButton", "", "Insert a Plug-In").at(14),
      snippet("Timestamp1Click",
              R"~(<SCRIPT Language="JavaScript" type="text/javascript">document.write(document.lastModified);</script>)~")
          .menu(Insert, "Timestamp1", "Timestamp")
          .bar(Common, "TimeStampButton", "", "Insert Time Stamp").at(17),

      // Format menu; the face, size, level and alignment entries wrap the selection.
      dialog("Font1Click", "Font").key("F9").menu(Format, "Font1", "&Font"),
      dialog("UsingStyleSheets1Click", "StyleSheets").menu(Format, "UsingStyleSheets1", "Using &Style Sheets"),
      wrap("Bold1Click", "<b>", "</b>").menu(FontFace, "Bold1", "&Bold").bar(Formatting, "Bold1", "", "Bold").at(3),
      wrap("Italic1Click", "<i>", "</i>").menu(FontFace, "Italic1", "&Italic")
          .bar(Formatting, "Italic1", "", "Italic").at(4),
      wrap("Underline1Click", "<u>", "</u>").menu(FontFace, "Underline1", "&Underline")
          .bar(Formatting, "Underline1", "", "Underline").at(5),
      wrap("Blink1Click", "<blink>", "</blink>").menu(FontFace, "Blink1", "B&link"),
      wrap("Strikethrough1Click", "<strike>", "</strike>").menu(FontFace, "Strikethrough1", "&Strikethrough"),
      wrap("N62Click", R"~(<font size="6">)~", "</font>").menu(FontSizes, "N62", "6"),
      wrap("N53Click", R"~(<font size="5">)~", "</font>").menu(FontSizes, "N53", "5"),
      wrap("N42Click", R"~(<font size="4">)~", "</font>").menu(FontSizes, "N42", "4"),
      wrap("N32Click", R"~(<font size="3">)~", "</font>").menu(FontSizes, "N32", "3"),
      wrap("N22Click", R"~(<font size="2">)~", "</font>").menu(FontSizes, "N22", "2"),
      wrap("N110Click", R"~(<font size="1">)~", "</font>").menu(FontSizes, "N110", "1"),
      wrap("N111Click", R"~(<font size="-1">)~", "</font>").menu(FontSizes, "N111", "-1"),
      wrap("N23Click", R"~(<font size="-2">)~", "</font>").menu(FontSizes, "N23", "-2"),
      wrap("H11Click", "<h1>", "</h1>").menu(HeaderLevels, "H11", "H1"),
      wrap("H21Click", "<h2>", "</h2>").menu(HeaderLevels, "H21", "H2"),
      wrap("H31Click", "<h3>", "</h3>").menu(HeaderLevels, "H31", "H3"),
      wrap("H41Click", "<h4>", "</h4>").menu(HeaderLevels, "H41", "H4"),
      wrap("H51Click", "<h5>", "</h5>").menu(HeaderLevels, "H51", "H5"),
      wrap("H61Click", "<h6>", "</h6>").menu(HeaderLevels, "H61", "H6"),
      // The alignment entries' object names do not follow their captions; the
      // caption and the output belong together.
      wrap("LeftBtnClick", R"~(<p align="left">)~", "</p>").menu(Alignment, "LeftBtn", "Left Align")
          .bar(Formatting, "LeftBtn", "", "Left Align").at(6),
      wrap("rghtbtnClick", R"~(<p align="center">)~", "</p>").menu(Alignment, "rghtbtn", "Center Align")
          .bar(Formatting, "rghtbtn", "", "Center Align").at(7),
      wrap("cntbtnClick", R"~(<p align="right">)~", "</p>").menu(Alignment, "cntbtn", "Right Align")
          .bar(Formatting, "cntbtn", "", "Right Align").at(8),
      dialog("DHTMLTransitions1Click", "Transitions").menu(Format, "DHTMLTransitions1", "&DHTML Transitions", true),

      // Formatting toolbar boxes: they wrap the selection in the chosen value.
      wrapValue("fontboxChange", R"~(<font face=")~", R"~(">)~", "</font>")
          .bar(Formatting, "fontbox", "", "Font").at(1).control(Control::FontNameBox),
      wrapValue("dxBarColorCombo1Change", R"~(<font color=")~", R"~(">)~", "</font>")
          .bar(Formatting, "dxBarColorCombo1", "", "Font Color").at(2).control(Control::ColourBox),

      // Frames tab.
      snippet("FramesetButtonClick", "<frameset></frameset>").bar(Frames, "FramesetButton", "frameset"),
      snippet("FrameButtonClick", R"~(<frame name="" src="">)~").bar(Frames, "FrameButton", "frame"),
      snippet("IFrameButtonClick", "<iframe></iframe>").bar(Frames, "IFrameButton", "iframe"),
      snippet("NoFrameButtonClick", "<noframes></noframes>").bar(Frames, "NoFrameButton", "noframes"),

      // Tables tab ("table" is the Insert menu's Table command above).
      snippet("tobdyButtonClick", "<tbody></tbody>").bar(Tables, "tobdyButton", "tbody"),
      snippet("tHeadButtonClick", "<thead></thead>").bar(Tables, "tHeadButton", "thead"),
      snippet("tFootButtonClick", "<tfoot></tfoot>").bar(Tables, "tFootButton", "tfoot"),
      snippet("tRButtonClick", "<tr></tr>").bar(Tables, "tRButton", "tr"),
      snippet("tDButtonClick", "<td></td>").bar(Tables, "tDButton", "td"),

      // Forms tab (image buttons).
      snippet("FormButtonClick", R"~(<form name=".." action=".." method=".."></form>)~")
          .bar(Forms, "FormButton", "", "Insert a Form"),
      snippet("FormInputButtonClick", R"~(<input type="text" style="">)~")
          .bar(Forms, "FormInputButton", "", "Insert an Input Field"),
      snippet("FormCheckBoxClick", R"~(<input type="checkbox" style="">)~")
          .bar(Forms, "FormCheckBox", "", "Insert a Check Box"),
      snippet("FormRadioClick", R"~(<input type="radio" style="">)~")
          .bar(Forms, "FormRadio", "", "Insert a Radio Button"),
      snippet("FormEditClick", R"~(<input type="text" style="">)~")
          .bar(Forms, "FormEdit", "", "Insert a Text Field"),
      snippet("FormMemoClick", R"~(<textarea name="" style=""></textarea>)~")
          .bar(Forms, "FormMemo", "", "Insert a Text Area"),
      snippet("FormComboClick",
              R"~(<select name="menu" size=""><option selected>A</option><option>B</option></select>)~")
          .bar(Forms, "FormCombo", "", "Insert a Drop-Down List"),
      snippet("FormFileClick", R"~(<input type="file" name="file" enctype="multipart/form-data">)~")
          .bar(Forms, "FormFile", "", "Insert a File Field"),
      snippet("FormImageClick", R"~(<input type="image" src="" border="" name="" style="">)~")
          .bar(Forms, "FormImage", "", "Insert an Image Button"),
      snippet("FormHiddenClick", R"~(<input type="hidden">)~").bar(Forms, "FormHidden", "", "Insert a Hidden Field"),

      // Lists tab.
      inert().bar(Lists, "WizardButton", "Wizard"),
      snippet("ULButtonClick", "<ul></ul>").bar(Lists, "ULButton", "UL"),
      snippet("ToolbarButton9735Click", "<ol></ol>").bar(Lists, "ToolbarButton9735", "OL"),
      snippet("ToolbarButton9736Click", "<li>").bar(Lists, "ToolbarButton9736", "LI"),
      snippet("ToolbarButton9734Click", "<dd>").bar(Lists, "ToolbarButton9734", "DD"),
      snippet("ToolbarButton9732Click", "<dt>").bar(Lists, "ToolbarButton9732", "DT"),
      snippet("ToolbarButton977Click", "<menu></menu>").bar(Lists, "ToolbarButton977", "M"),

      // WML tab.
      dialog("ToolbarButton9738Click", "WMLAccess").bar(WML, "ToolbarButton9738", "access"),
      dialog("ToolbarButton9737Click", "WMLCard").bar(WML, "ToolbarButton9737", "card"),
      dialog("ToolbarButton9733Click", "WMLGo").bar(WML, "ToolbarButton9733", "go"),
      inert().bar(WML, "BigSmallButton", "big/small").separated().control(Control::DropDownButton, BigSmall),
      wrap("Big1Click", "<big>", "</big>").menu(BigSmall, "Big1", "&Big"),
      wrap("Small1Click", "<small>", "</small>").menu(BigSmall, "Small1", "&Small"),
      wrap("ToolbarButton9740Click", "<strong>", "</strong>").bar(WML, "ToolbarButton9740", "", "Strong"),
      wrap("ToolbarButton9739Click", "<em>", "</em>").bar(WML, "ToolbarButton9739", "", "Emphasis"),
      wrap("ToolbarButton9741Click", "<u>", "</u>").bar(WML, "ToolbarButton9741", "", "Underline"),

      // ASP tab.
      dialog("ASPButton1Click", "ServerVariables:ASP").bar(ASP, "ASPButton1", "Vars"),
      snippet("ASPButton2Click", R"~(<!--#include file=""-->)~").bar(ASP, "ASPButton2", "#"),
      snippet("ASPButton3Click", "<% %>").bar(ASP, "ASPButton3", "<%%>"),
      snippet("ASPButton4Click", "<%= %>").bar(ASP, "ASPButton4", "<%= %>"),
      snippet("ASPButton5Click", "<% if %>").bar(ASP, "ASPButton5", "<% if %>"),
      snippet("ASPButton6Click", "<% else %>").bar(ASP, "ASPButton6", "<% else %>"),
      // The caption has a space, the output has none.
      snippet("ASPButton7Click", "<% endif %>").bar(ASP, "ASPButton7", "<% end if %>"),

      // ColdFusion tab: the tag box's "+" inserts whatever the box shows.
      dialog("ToolbarButton976Click", "ServerVariables:CFM").bar(ColdFusion, "ToolbarButton976", "Vars"),
      snippet("CFTagButtonClick", {}).value()
          .bar(ColdFusion, "CFTagButton", "+", "Insert the tag shown in the box").separated()
          .control(Control::TagBoxButton),
      snippet("ToolbarButton9710Click", "<cfif></cfif>").bar(ColdFusion, "ToolbarButton9710", "if").separated(),
      snippet("ToolbarButton979Click", "<cfelse>").bar(ColdFusion, "ToolbarButton979", "else"),
      snippet("ToolbarButton978Click", "<cfelseif>").bar(ColdFusion, "ToolbarButton978", "eif"),
      snippet("ToolbarButton975Click", "<cfset>").bar(ColdFusion, "ToolbarButton975", "set"),
      snippet("ToolbarButton974Click", "<cfoutput></cfoutput>").bar(ColdFusion, "ToolbarButton974", "out"),

      // SSI tab.
      dialog("ToolbarButton9713Click", "ServerVariables:SSI").bar(SSI, "ToolbarButton9713", "Vars"),
      snippet("ToolbarButton9715Click", "<!--#break -->").bar(SSI, "ToolbarButton9715", "Brake"),
      snippet("ToolbarButton9716Click", R"~(<!--#echo var="" -->)~").bar(SSI, "ToolbarButton9716", "Echo"),
      snippet("ToolbarButton9714Click", R"~(<!--#label="" -->)~").bar(SSI, "ToolbarButton9714", "Label"),
      snippet("ToolbarButton9712Click", R"~(<!--#goto="" -->)~").bar(SSI, "ToolbarButton9712", "Goto"),
      inert().bar(SSI, "ExtrasButton", "Extras").control(Control::DropDownButton, MenuId::SSIExtras),

      // PHP tab: the last six put three whole lines above the caret's line.
      dialog("PHPVarButtonClick", "ServerVariables:PHP").bar(PHP, "PHPVarButton", "Vars"),
      snippet("ToolbarButton9724Click", "<? ?>").bar(PHP, "ToolbarButton9724", "<? ?>"),
      snippet("ToolbarButton9725Click", "<?php ?>").bar(PHP, "ToolbarButton9725", "<?php ?>"),
      lines("ToolbarButton9726Click", "<?", R"~($var =  ".."; )~", "?>")
          .bar(PHP, "ToolbarButton9726", R"~($var = "";)~"),
      lines("ToolbarButton9729Click", "<?", R"~($var[x] = "..";)~", "?>")
          .bar(PHP, "ToolbarButton9729", R"~($var[x] = "";)~"),
      lines("ToolbarButton9727Click", "<?", R"~(echo "$var"; )~", "?>").bar(PHP, "ToolbarButton9727", "echo"),
      lines("ToolbarButton9728Click", "<?", "if ($a > $b)", R"~(     print "a > b" ?>)~")
          .bar(PHP, "ToolbarButton9728", "if"),
      lines("ToolbarButton9730Click", "<?", "} else {", "?>").bar(PHP, "ToolbarButton9730", "else"),
      lines("ToolbarButton9731Click", "<?", "} elseif ($a==$b) {", "?>").bar(PHP, "ToolbarButton9731", "elseif"),

      // WebTV tab.
      snippet("ToolbarButton9719Click",
              R"~(<audioscope align="" leftcolor="#" width="" height="" rightcolor="#" rightoffset="" border="" leftoffset="" maxlevel="yes|no" gain="">)~")
          .bar(WebTV, "ToolbarButton9719", "Audiosc"),
      snippet("ToolbarButton9721Click", R"~(<basefont size="" face="" color="">)~")
          .bar(WebTV, "ToolbarButton9721", "Basefont"),
      snippet("ToolbarButton9723Click", "<bq></bq>").bar(WebTV, "ToolbarButton9723", "BQ"),
      snippet("ToolbarButton9743Click", R"~(<limittext width="" size="" value="">)~")
          .bar(WebTV, "ToolbarButton9743", "LimitText"),
      snippet("ToolbarButton9722Click", "<nobr>").bar(WebTV, "ToolbarButton9722", "Nobr"),
      snippet("ToolbarButton9720Click", "<nosmartquotes></nosmartquotes>")
          .bar(WebTV, "ToolbarButton9720", "Nosmartquotes"),
      snippet("ToolbarButton9718Click", "<shadow></shadow>").bar(WebTV, "ToolbarButton9718", "Shadow"),
      snippet("ToolbarButton9717Click", R"~(<sidebar align="" width=""></sidebar>)~")
          .bar(WebTV, "ToolbarButton9717", "Sidebar"),

      // JSP tab.
      inert().bar(JSP, "JSPButton", "", "Java Server Pages"),
      snippet("ToolbarButton9744Click", "<%! %>").bar(JSP, "ToolbarButton9744", "%!"),
      snippet("ToolbarButton9746Click", "<% %>").bar(JSP, "ToolbarButton9746", "%"),
      snippet("ToolbarButton9745Click", "<%= %>").bar(JSP, "ToolbarButton9745", "%="),
      snippet("ToolbarButton9747Click", R"~(<jsp:include page="" flush="true"/>)~")
          .bar(JSP, "ToolbarButton9747", "", "Include a Page"),
      snippet("ToolbarButton9748Click", "<%----%>").bar(JSP, "ToolbarButton9748", "", "Insert a Comment"),
      snippet("ToolbarButton9750Click", R"~(<jsp:param name="" value=""/>)~").bar(JSP, "ToolbarButton9750", "!"),
      snippet("ToolbarButton9749Click", "<jsp:params></jsp:params>").bar(JSP, "ToolbarButton9749", "!!"),
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

std::string_view Command::key() const {
  if (!handler.empty()) return handler;
  return menu.menu != MenuId::None ? menu.name : bar.name;
}

const std::vector<Command>& catalog() {
  static const std::vector<Command> table = buildCatalog();
  return table;
}

const Command* findCommand(std::string_view handler) {
  for (const Command& c : catalog()) {
    if (c.key() == handler) return &c;
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

const std::vector<MenuInfo>& menus() {
  static const std::vector<MenuInfo> table = {
      {MenuId::Insert, MenuId::None, "Insert1", "&Insert"},
      {MenuId::Multimedia, MenuId::Insert, "Multimedia1", "&Multimedia"},
      {MenuId::Format, MenuId::None, "Format1", "F&ormat"},
      {MenuId::FontFace, MenuId::Format, "FontFace1", "Font F&ace", true},
      {MenuId::FontSizes, MenuId::Format, "FontSizes1", "Font Si&zes"},
      {MenuId::HeaderLevels, MenuId::Format, "HeaderLevels1", "&Header Levels"},
      {MenuId::Alignment, MenuId::Format, "Alignment1", "Alignment", true},
      {MenuId::BigSmall, MenuId::None, "BigSmallMenu", ""},
      {MenuId::SSIExtras, MenuId::None, "ExtrasMenu", ""},
  };
  return table;
}

const MenuInfo& menuInfo(MenuId id) {
  for (const MenuInfo& m : menus()) {
    if (m.id == id) return m;
  }
  throw std::out_of_range("unknown menu");
}

const std::vector<BarInfo>& bars() {
  static const std::vector<BarInfo> table = {
      {Formatting, "Formatting", ""},
      {Common, "CommonTab", ""},
      {Frames, "FramesTab", ""},
      {Tables, "TablesTab", ""},
      {Forms, "FormsTab", ""},
      {Lists, "ListsTab", ""},
      {WML, "WMLTab", ""},
      {ASP, "ASPTab", "Active Server Pages"},
      {ColdFusion, "ColdFusionTab", ""},
      {SSI, "SSITab", "Server-Side Includes"},
      {PHP, "PHPTab", ""},
      {WebTV, "WebTVTab", ""},
      {JSP, "JSPTab", ""},
  };
  return table;
}

const BarInfo& barInfo(BarId id) {
  for (const BarInfo& b : bars()) {
    if (b.id == id) return b;
  }
  throw std::out_of_range("unknown bar");
}

const std::vector<MenuTreeEntry>& ssiExtrasMenu() {
  static const std::vector<MenuTreeEntry> tree = {
      {"ExtrasODBC",
       "ODBC",
       {{"ExtrasODBCConnect", "Connect", {}},
        {"ExtrasODBCDebug", "Debug", {}},
        {"ExtrasODBCFormat", "Format", {}}}},
      {"ExtrasExec", "Exec", {{"ExtrasExecCommand", "Command", {}}, {"ExtrasExecCGI", "CGI", {}}}},
      {"ExtrasInclude", "Include", {{"ExtrasIncludeVirtual", "Virtual", {}}, {"ExtrasIncludeDirect", "Direct", {}}}},
      {"ExtrasFlastmod",
       "Flastmod",
       {{"ExtrasFlastmodVirtual", "Virtual", {}}, {"ExtrasFlastmodDirect", "Direct", {}}}},
      {"ExtrasFileSize",
       "File Size",
       {{"ExtrasFileSizeVirtual", "Virtual", {}}, {"ExtrasFileSizeDirect", "Direct", {}}}},
  };
  return tree;
}

const std::vector<std::string>& colourNames() {
  static const std::vector<std::string> names = {"Black", "Maroon", "Green",  "Olive", "Navy", "Purple",
                                                 "Teal",  "Gray",   "Silver", "Red",   "Lime", "Yellow",
                                                 "Blue",  "Fuchsia", "Aqua",  "White"};
  return names;
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
    case Primitive::None:
      return false;
  }
  return false;
}

}  // namespace markloom::markup
