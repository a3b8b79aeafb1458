// Numbers of the component messages that the hand-written editor operations and the editor's
// own window procedures send.
#pragma once

#include "platform/win_types.h"

namespace scintilla {

using platform::UINT;

constexpr UINT SCI_ADDTEXT = 2001;
constexpr UINT SCI_ADDSTYLEDTEXT = 2002;
constexpr UINT SCI_INSERTTEXT = 2003;
constexpr UINT SCI_GETLENGTH = 2006;
constexpr UINT SCI_GETCHARAT = 2007;
constexpr UINT SCI_GETCURRENTPOS = 2008;
constexpr UINT SCI_REDO = 2011;
constexpr UINT SCI_SELECTALL = 2013;
constexpr UINT SCI_GETSTYLEDTEXT = 2015;
constexpr UINT SCI_CANREDO = 2016;
constexpr UINT SCI_GETCURLINE = 2027;
constexpr UINT SCI_SETCODEPAGE = 2037;
constexpr UINT SCI_MARKERDEFINEPIXMAP = 2049;
constexpr UINT SCI_SETSTYLINGEX = 2073;
constexpr UINT SCI_SETCARETPERIOD = 2076;
constexpr UINT SCI_SETSTYLEBITS = 2090;
constexpr UINT SCI_GETCOLUMN = 2129;
constexpr UINT SCI_SETHSCROLLBAR = 2130;
constexpr UINT SCI_GETHSCROLLBAR = 2131;
constexpr UINT SCI_GETCODEPAGE = 2137;
constexpr UINT SCI_GETSELECTIONSTART = 2143;
constexpr UINT SCI_GETSELECTIONEND = 2145;
constexpr UINT SCI_FINDTEXT = 2150;
constexpr UINT SCI_FORMATRANGE = 2151;
constexpr UINT SCI_GETLINE = 2153;
constexpr UINT SCI_GETSELTEXT = 2161;
constexpr UINT SCI_GETTEXTRANGE = 2162;
constexpr UINT SCI_LINEFROMPOSITION = 2166;
constexpr UINT SCI_REPLACESEL = 2170;
constexpr UINT SCI_CANUNDO = 2174;
constexpr UINT SCI_UNDO = 2176;
constexpr UINT SCI_CUT = 2177;
constexpr UINT SCI_COPY = 2178;
constexpr UINT SCI_PASTE = 2179;
constexpr UINT SCI_CLEAR = 2180;
constexpr UINT SCI_SETTEXT = 2181;
constexpr UINT SCI_GETTEXT = 2182;
constexpr UINT SCI_GETTEXTLENGTH = 2183;
constexpr UINT SCI_GETDIRECTFUNCTION = 2184;
constexpr UINT SCI_GETDIRECTPOINTER = 2185;
constexpr UINT SCI_SETVSCROLLBAR = 2280;
constexpr UINT SCI_GETVSCROLLBAR = 2281;
constexpr UINT SCI_APPENDTEXT = 2282;
constexpr UINT SCI_REGISTERIMAGE = 2405;
constexpr UINT SCI_COPYTEXT = 2420;
constexpr UINT SCI_STYLEGETFONT = 2486;
constexpr UINT SCI_MARGINGETTEXT = 2531;
constexpr UINT SCI_MARGINSETSTYLES = 2534;
constexpr UINT SCI_MARGINGETSTYLES = 2535;
constexpr UINT SCI_ANNOTATIONGETTEXT = 2541;
constexpr UINT SCI_ANNOTATIONSETSTYLES = 2544;
constexpr UINT SCI_ANNOTATIONGETSTYLES = 2545;
constexpr UINT SCI_AUTOCGETCURRENTTEXT = 2610;
constexpr UINT SCI_SETKEYWORDS = 4005;
constexpr UINT SCI_GETPROPERTY = 4008;
constexpr UINT SCI_GETPROPERTYEXPANDED = 4009;
constexpr UINT SCI_GETLEXERLANGUAGE = 4012;
constexpr UINT SCI_PROPERTYNAMES = 4014;
constexpr UINT SCI_DESCRIBEPROPERTY = 4016;
constexpr UINT SCI_DESCRIBEKEYWORDSETS = 4017;

constexpr int SC_CP_UTF8 = 65001;

// The predefined styles, the C lexer and its styles.
constexpr int STYLE_DEFAULT = 32;
constexpr int STYLE_LINENUMBER = 33;
constexpr int STYLE_BRACELIGHT = 34;
constexpr int SCLEX_CPP = 3;
constexpr int SCE_C_COMMENT = 1;
constexpr int SCE_C_NUMBER = 4;
constexpr int SCE_C_WORD = 5;
constexpr int SCE_C_STRING = 6;
constexpr int SCE_C_PREPROCESSOR = 9;
constexpr int SCE_C_IDENTIFIER = 11;
constexpr int SCE_C_WORD2 = 16;

// Margin types, a marker symbol and a cursor.
constexpr int SC_MARGIN_SYMBOL = 0;
constexpr int SC_MARGIN_NUMBER = 1;
constexpr int SC_MARK_SMALLRECT = 3;
constexpr int SC_CURSORARROW = 2;

}  // namespace scintilla
