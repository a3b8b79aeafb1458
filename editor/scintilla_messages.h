// The component's messages and numbers by its own names, taken from QScintilla's enumeration,
// so that a mistyped name does not compile: the one place where names become numbers. The
// operation table expands its entries' names through Component, the hand-written operations
// and the editor's own window procedures use the names below.
#pragma once

#include <Qsci/qscilexercpp.h>
#include <Qsci/qsciscintillabase.h>

#include "platform/win_types.h"

namespace scintilla {

using platform::UINT;

// QScintilla's enumeration, with the two palette messages that it no longer names; the
// component still answers them.
struct Component : QsciScintillaBase {
  enum : UINT { SCI_SETUSEPALETTE = 2039, SCI_GETUSEPALETTE = 2139 };
};

constexpr UINT SCI_ADDTEXT = Component::SCI_ADDTEXT;
constexpr UINT SCI_ADDSTYLEDTEXT = Component::SCI_ADDSTYLEDTEXT;
constexpr UINT SCI_INSERTTEXT = Component::SCI_INSERTTEXT;
constexpr UINT SCI_GETLENGTH = Component::SCI_GETLENGTH;
constexpr UINT SCI_GETCHARAT = Component::SCI_GETCHARAT;
constexpr UINT SCI_GETCURRENTPOS = Component::SCI_GETCURRENTPOS;
constexpr UINT SCI_REDO = Component::SCI_REDO;
constexpr UINT SCI_SELECTALL = Component::SCI_SELECTALL;
constexpr UINT SCI_GETSTYLEDTEXT = Component::SCI_GETSTYLEDTEXT;
constexpr UINT SCI_CANREDO = Component::SCI_CANREDO;
constexpr UINT SCI_GETCURLINE = Component::SCI_GETCURLINE;
constexpr UINT SCI_SETCODEPAGE = Component::SCI_SETCODEPAGE;
constexpr UINT SCI_MARKERDEFINEPIXMAP = Component::SCI_MARKERDEFINEPIXMAP;
constexpr UINT SCI_SETSTYLINGEX = Component::SCI_SETSTYLINGEX;
constexpr UINT SCI_SETCARETPERIOD = Component::SCI_SETCARETPERIOD;
constexpr UINT SCI_SETSTYLEBITS = Component::SCI_SETSTYLEBITS;
constexpr UINT SCI_GETCOLUMN = Component::SCI_GETCOLUMN;
constexpr UINT SCI_SETHSCROLLBAR = Component::SCI_SETHSCROLLBAR;
constexpr UINT SCI_GETHSCROLLBAR = Component::SCI_GETHSCROLLBAR;
constexpr UINT SCI_GETCODEPAGE = Component::SCI_GETCODEPAGE;
constexpr UINT SCI_GETSELECTIONSTART = Component::SCI_GETSELECTIONSTART;
constexpr UINT SCI_GETSELECTIONEND = Component::SCI_GETSELECTIONEND;
constexpr UINT SCI_FINDTEXT = Component::SCI_FINDTEXT;
constexpr UINT SCI_FORMATRANGE = Component::SCI_FORMATRANGE;
constexpr UINT SCI_GETLINE = Component::SCI_GETLINE;
constexpr UINT SCI_GETSELTEXT = Component::SCI_GETSELTEXT;
constexpr UINT SCI_GETTEXTRANGE = Component::SCI_GETTEXTRANGE;
constexpr UINT SCI_LINEFROMPOSITION = Component::SCI_LINEFROMPOSITION;
constexpr UINT SCI_POSITIONFROMLINE = Component::SCI_POSITIONFROMLINE;
constexpr UINT SCI_GETTABWIDTH = Component::SCI_GETTABWIDTH;
constexpr UINT SCI_REPLACESEL = Component::SCI_REPLACESEL;
constexpr UINT SCI_CANUNDO = Component::SCI_CANUNDO;
constexpr UINT SCI_UNDO = Component::SCI_UNDO;
constexpr UINT SCI_CUT = Component::SCI_CUT;
constexpr UINT SCI_COPY = Component::SCI_COPY;
constexpr UINT SCI_PASTE = Component::SCI_PASTE;
constexpr UINT SCI_CLEAR = Component::SCI_CLEAR;
constexpr UINT SCI_SETTEXT = Component::SCI_SETTEXT;
constexpr UINT SCI_GETTEXT = Component::SCI_GETTEXT;
constexpr UINT SCI_GETTEXTLENGTH = Component::SCI_GETTEXTLENGTH;
constexpr UINT SCI_GETDIRECTFUNCTION = Component::SCI_GETDIRECTFUNCTION;
constexpr UINT SCI_GETDIRECTPOINTER = Component::SCI_GETDIRECTPOINTER;
constexpr UINT SCI_SETVSCROLLBAR = Component::SCI_SETVSCROLLBAR;
constexpr UINT SCI_GETVSCROLLBAR = Component::SCI_GETVSCROLLBAR;
constexpr UINT SCI_APPENDTEXT = Component::SCI_APPENDTEXT;
constexpr UINT SCI_REGISTERIMAGE = Component::SCI_REGISTERIMAGE;
constexpr UINT SCI_COPYTEXT = Component::SCI_COPYTEXT;
constexpr UINT SCI_STYLEGETFONT = Component::SCI_STYLEGETFONT;
constexpr UINT SCI_MARGINGETTEXT = Component::SCI_MARGINGETTEXT;
constexpr UINT SCI_MARGINSETSTYLES = Component::SCI_MARGINSETSTYLES;
constexpr UINT SCI_MARGINGETSTYLES = Component::SCI_MARGINGETSTYLES;
constexpr UINT SCI_ANNOTATIONGETTEXT = Component::SCI_ANNOTATIONGETTEXT;
constexpr UINT SCI_ANNOTATIONSETSTYLES = Component::SCI_ANNOTATIONSETSTYLES;
constexpr UINT SCI_ANNOTATIONGETSTYLES = Component::SCI_ANNOTATIONGETSTYLES;
constexpr UINT SCI_AUTOCGETCURRENTTEXT = Component::SCI_AUTOCGETCURRENTTEXT;
constexpr UINT SCI_GETRANGEPOINTER = Component::SCI_GETRANGEPOINTER;
constexpr UINT SCI_SETKEYWORDS = Component::SCI_SETKEYWORDS;
constexpr UINT SCI_GETPROPERTY = Component::SCI_GETPROPERTY;
constexpr UINT SCI_GETPROPERTYEXPANDED = Component::SCI_GETPROPERTYEXPANDED;
constexpr UINT SCI_GETLEXERLANGUAGE = Component::SCI_GETLEXERLANGUAGE;
constexpr UINT SCI_PROPERTYNAMES = Component::SCI_PROPERTYNAMES;
constexpr UINT SCI_DESCRIBEPROPERTY = Component::SCI_DESCRIBEPROPERTY;
constexpr UINT SCI_DESCRIBEKEYWORDSETS = Component::SCI_DESCRIBEKEYWORDSETS;
constexpr UINT SCI_ALLOCATESUBSTYLES = Component::SCI_ALLOCATESUBSTYLES;
constexpr UINT SCI_GETSUBSTYLESSTART = Component::SCI_GETSUBSTYLESSTART;
constexpr UINT SCI_SETIDENTIFIERS = Component::SCI_SETIDENTIFIERS;

constexpr int SC_CP_UTF8 = Component::SC_CP_UTF8;

// Modification kinds that change the text.
constexpr int SC_MOD_INSERTTEXT = Component::SC_MOD_INSERTTEXT;
constexpr int SC_MOD_DELETETEXT = Component::SC_MOD_DELETETEXT;

// Search flags.
constexpr int SCFIND_WHOLEWORD = Component::SCFIND_WHOLEWORD;
constexpr int SCFIND_MATCHCASE = Component::SCFIND_MATCHCASE;
constexpr int SCFIND_REGEXP = Component::SCFIND_REGEXP;

// The predefined styles, the C lexer and its styles.
constexpr int STYLE_DEFAULT = Component::STYLE_DEFAULT;
constexpr int STYLE_LINENUMBER = Component::STYLE_LINENUMBER;
constexpr int STYLE_BRACELIGHT = Component::STYLE_BRACELIGHT;
constexpr int SCLEX_CPP = Component::SCLEX_CPP;
constexpr int SCE_C_COMMENT = QsciLexerCPP::Comment;
constexpr int SCE_C_COMMENTLINE = QsciLexerCPP::CommentLine;
constexpr int SCE_C_COMMENTDOC = QsciLexerCPP::CommentDoc;
constexpr int SCE_C_NUMBER = QsciLexerCPP::Number;
constexpr int SCE_C_WORD = QsciLexerCPP::Keyword;
constexpr int SCE_C_STRING = QsciLexerCPP::DoubleQuotedString;
constexpr int SCE_C_PREPROCESSOR = QsciLexerCPP::PreProcessor;
constexpr int SCE_C_IDENTIFIER = QsciLexerCPP::Identifier;
constexpr int SCE_C_COMMENTLINEDOC = QsciLexerCPP::CommentLineDoc;
constexpr int SCE_C_WORD2 = QsciLexerCPP::KeywordSet2;
constexpr int SCE_C_COMMENTDOCKEYWORD = QsciLexerCPP::CommentDocKeyword;
constexpr int SCE_C_COMMENTDOCKEYWORDERROR = QsciLexerCPP::CommentDocKeywordError;
constexpr int SCE_C_GLOBALCLASS = QsciLexerCPP::GlobalClass;

// Margin types, a marker symbol and a cursor.
constexpr int SC_MARGIN_SYMBOL = Component::SC_MARGIN_SYMBOL;
constexpr int SC_MARGIN_NUMBER = Component::SC_MARGIN_NUMBER;
constexpr int SC_MARK_SMALLRECT = Component::SC_MARK_SMALLRECT;
constexpr int SC_CURSORARROW = Component::SC_CURSORARROW;

}  // namespace scintilla
