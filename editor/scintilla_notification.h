// The record that an editing window of the class "Scintilla" sends to its parent as
// WM_NOTIFY (wParam its control id, lParam the record's address, valid during the call),
// with the notification codes the component reports.
#pragma once

#include "platform/win_types.h"

namespace scintilla {

using platform::LPARAM;
using platform::NMHDR;
using platform::UINT;
using platform::WPARAM;

struct SCNotification {
  NMHDR nmhdr;  // hwndFrom the editing window, idFrom its control id, code an SCN_* number
  int position = 0;
  int ch = 0;
  int modifiers = 0;
  int modificationType = 0;
  const char* text = nullptr;
  int length = 0;
  int linesAdded = 0;
  int message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  int line = 0;
  int foldLevelNow = 0;
  int foldLevelPrev = 0;
  int margin = 0;
  int listType = 0;
  int x = 0;
  int y = 0;
  int token = 0;
  int annotationLinesAdded = 0;
  int updated = 0;
};

constexpr UINT SCN_STYLENEEDED = 2000;
constexpr UINT SCN_CHARADDED = 2001;
constexpr UINT SCN_SAVEPOINTREACHED = 2002;
constexpr UINT SCN_SAVEPOINTLEFT = 2003;
constexpr UINT SCN_MODIFYATTEMPTRO = 2004;
constexpr UINT SCN_KEY = 2005;
constexpr UINT SCN_DOUBLECLICK = 2006;
constexpr UINT SCN_UPDATEUI = 2007;
constexpr UINT SCN_MODIFIED = 2008;
constexpr UINT SCN_MACRORECORD = 2009;
constexpr UINT SCN_MARGINCLICK = 2010;
constexpr UINT SCN_NEEDSHOWN = 2011;
constexpr UINT SCN_PAINTED = 2013;
constexpr UINT SCN_USERLISTSELECTION = 2014;
constexpr UINT SCN_URIDROPPED = 2015;
constexpr UINT SCN_DWELLSTART = 2016;
constexpr UINT SCN_DWELLEND = 2017;
constexpr UINT SCN_ZOOM = 2018;
constexpr UINT SCN_HOTSPOTCLICK = 2019;
constexpr UINT SCN_HOTSPOTDOUBLECLICK = 2020;
constexpr UINT SCN_CALLTIPCLICK = 2021;
constexpr UINT SCN_AUTOCSELECTION = 2022;
constexpr UINT SCN_INDICATORCLICK = 2023;
constexpr UINT SCN_INDICATORRELEASE = 2024;
constexpr UINT SCN_AUTOCCANCELLED = 2025;
constexpr UINT SCN_AUTOCCHARDELETED = 2026;
constexpr UINT SCN_HOTSPOTRELEASECLICK = 2027;

}  // namespace scintilla
