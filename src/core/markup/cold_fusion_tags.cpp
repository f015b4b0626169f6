// The entries of the ColdFusion tab's tag box: tag templates for the user to
// fill in, inserted exactly as written here.
#include "core/markup/markup_catalog.h"

namespace markloom::markup {

const std::vector<std::string>& coldFusionTags() {
  static const std::vector<std::string> tags = {
      R"~(<cfabort>)~",
      R"~(<cfapplication name="" clientmanagement="yes|no">)~",
      R"~(<cfbreak>)~",
      R"~(<cfcol align="" width="" header="" text="">)~",
      R"~(<cfcontent type="" deletefile="no|yes" file="">)~",
      R"~(<cfcookie domain="" path="" secure="yes|no" expires="" name="" value="">)~",
      R"~(<cffile output="" nameconflict="" filefield="" action="append|copy|delete|move|read|rename|upload|write" accept="" variable="" source="" file="" destination="">)~",
      R"~(<cfform action="" name="" onsubmit=""></cfform>)~",
      R"~(<cfgrid highlightref="" colheaderalign="" maxrows="" query="" colheaderbold="" selectcolor="#" bold=""onvalidate="" selectmode="" colheaders="" href="" rowheaderbold="" name="" fappendkey="" rowheaderwidth="" rowheader="" italic=""></cfgrid>)~",
      R"~(<cfgridcolumn headerfontsize="" headeralign="" width="" target="" dataalign="" headeritalic="" headerbold="" bold="" href="" name="" header="" fontsize="" headerfont="" font="" italic="">)~",
      R"~(<cfgridrow data="">)~",
      R"~(<cfheader name="" value="">)~",
      R"~(<cfhtmlhead text="">)~",
      R"~(<cfhttp textqualifier="" resolveurl="yes|no" method="get|post" username="" proxyserver="" columns="" path="" delimiter="" url="" name="" file="" password=""></cfhttp>)~",
      R"~(<cfhttpparam type="cgi|cookie|file|formfield|url" name="" value="" file="">)~",
      R"~(<cfinclude template="">)~",
      R"~(<cfindex body="" collection="" extensions="" language= title="" query="" recurse="yes|no" action="delete|optimize|purge|refresh|update" urlpath="" key="" type="custom|file|path|" external="yes|no">)~",
      R"~(<cfinput checked validate="creditcard|date|eurodate|float|integer|social_security_number|telephone|time|zipcode" size="" range onvalidate="" type="checkbox|password|radio|text" maxlength="" name="" value="" required="yes|no" message="" onerror="">)~",
      R"~(<cfinsert></cfinsert>)~",
      R"~(<cfldap port="" maxrows="" server="" timeout= username="" action="add|delete|modify|modifydn|query" filter="" startrow="" dn="" attributes="" name="" start="" sort="" password="" scope="base|onelevel|subtree">)~",
      R"~(<cflocation addtoken="yes|no" url="">)~",
      R"~(<cfmail cc="" subject="" port="" maxrows="" server="" query="" timeout="" mimeattach="" startrow="" from="" type="html" to="" group="">)~",
      R"~(<cfmodule template="" name="" attribute=""></cfmodule>)~",
      R"~(<cfobject server="" class="" action="connect|create" context="inproc|local|remote" name=""></cfobject>)~",
      R"~(<cfoutput maxrows="" query="" startrow="" group=""></cfoutput>)~",
      R"~(<cfparam default="" name="">)~",
      R"~(<cfpop port= maxrows="" server="" messagenumber="" timeout="" username="" action="delete|getall|getheaderonly" startrow="" name="" attachmentpath="" password="">)~",
      R"~(<cfquery debug="yes|no" datasource="" maxrows="" timeout="" username="" name="" password=""></cfquery>)~",
      R"~(<cfreport report="" username="" orderby="" password=""></cfreport>)~",
      R"~(<cfsearch collection="" maxrows="" language="" criteria="" startrow="" type="explicit|simple" name="" external="yes|no">)~",
      R"~(<cfselect selected="" size= query="" multiple="yes|no" display="" name="" value="" required="yes|no" message="" onerror=""></cfselect>)~",
      R"~(<cfslider vspace="" align="" width="" textcolor="#" bold="yes|no" scale="" refreshlabel="yes|no" height="" range name="" value="" fontsize="" imgstyle="centered|scaled|tiled" message="" label="" img="" italic="yes|no">)~",
      R"~(<cftable maxrows="" query="" colspacing="" startrow="" headerlines="" colheaders htmltable border="yes|no"></cftable>)~",
      R"~(<cftextinput vspace="" align="" width="" validate="" size="" bold="" range onvalidate="" maxlength="" name="" value="" required="" message="" italic="">)~",
      R"~(<cftransaction isolation="read_commited|read_uncommited|repeatable_read|serialize|versioning">)~",
      R"~(<cftree completepath="" width="" bold="" height="" vscroll="" delimiter="" highlighthref="" border="" name="" appendkey="" required="" message="" hscroll="" italic=""></cftree>)~",
      R"~(<cftreeitem target="" imgopen="" query="" display="" href="" expand="yes|no" parent="" value="" queryasroot="yes|no" img="">)~",
      R"~(<cfupdate datasource="" tablequalifier="" tablename="" formfields="" tableowner="">)~",
  };
  return tags;
}

}  // namespace markloom::markup
