#pragma once

#include <string_view>

// The names of the program's windows, their controls and their menu items, shared by the form
// models that make them and the handlers that find them and answer their actions. The test
// scripts name them too, so they stay the names the scripts know.

// The main window and its controls.
inline constexpr std::string_view kFrmKeyvane = "frmKeyvane";
inline constexpr std::string_view kTxtDisplay = "txtDisplay";
inline constexpr std::string_view kCmdAtoZ = "cmdAtoZ";
inline constexpr std::string_view kCmdIntro = "cmdIntro";
inline constexpr std::string_view kCmdCopy = "cmdCopy";
inline constexpr std::string_view kCmdCPaste = "cmdCPaste";
inline constexpr std::string_view kCmdCSPaste = "cmdCSPaste";
inline constexpr std::string_view kCmdMPaste = "cmdMPaste";

// Its menu items.
inline constexpr std::string_view kMnuFile = "mnuFile";
inline constexpr std::string_view kMnuExport = "mnuExport";
inline constexpr std::string_view kMnuImport = "mnuImport";
inline constexpr std::string_view kMnuOriginalDB = "mnuOriginalDB";
inline constexpr std::string_view kMnuCustomDB = "mnuCustomDB";
inline constexpr std::string_view kMnuCustListAdd = "mnuCustListAdd";
inline constexpr std::string_view kMnuCustListRemove = "mnuCustListRemove";
inline constexpr std::string_view kMnuExit = "mnuExit";
inline constexpr std::string_view kMnuExitNoSave = "mnuExitNoSave";
inline constexpr std::string_view kMnuEdit = "mnuEdit";
inline constexpr std::string_view kMnuAddSF = "mnuAddSF";
inline constexpr std::string_view kMnuCopy = "mnuCopy";
inline constexpr std::string_view kMnuCut = "mnuCut";
inline constexpr std::string_view kMnuPaste = "mnuPaste";
inline constexpr std::string_view kMnuCalcPaste = "mnuCalcPaste";
inline constexpr std::string_view kMnuCCP = "mnuCCP";
inline constexpr std::string_view kMnuPasteToPick = "mnuPasteToPick";
inline constexpr std::string_view kMnuMultiPaste = "mnuMultiPaste";
inline constexpr std::string_view kMnuPick = "mnuPick";
inline constexpr std::string_view kMnuOptions = "mnuOptions";
inline constexpr std::string_view kMnuExpandOffOn = "mnuExpandOffOn";
inline constexpr std::string_view kMnuLookAheadOffOn = "mnuLookAheadOffOn";
inline constexpr std::string_view kMnuSmallWindow = "mnuSmallWindow";
inline constexpr std::string_view kMnuStartMin = "mnuStartMin";
inline constexpr std::string_view kMnuStartAtLogin = "mnuStartAtLogin";
inline constexpr std::string_view kMnuKeepCase = "mnuKeepCase";
inline constexpr std::string_view kMnuPauseHere = "mnuPauseHere";
inline constexpr std::string_view kMnuCSFullSpeed = "mnuCSFullSpeed";
inline constexpr std::string_view kMnuPosition = "mnuPosition";
inline constexpr std::string_view kMnuSizePos = "mnuSizePos";
inline constexpr std::string_view kMnuMRNormal = "mnuMRNormal";
inline constexpr std::string_view kMnuTRSquare = "mnuTRSquare";
inline constexpr std::string_view kMnuBRSquare = "mnuBRSquare";
inline constexpr std::string_view kMnuTRSmall = "mnuTRSmall";
inline constexpr std::string_view kMnuBRSmall = "mnuBRSmall";
inline constexpr std::string_view kMnuReturnDefPos = "mnuReturnDefPos";
inline constexpr std::string_view kMnuReturnStartup = "mnuReturnStartup";
inline constexpr std::string_view kMnuFont = "mnuFont";
inline constexpr std::string_view kMnuSmall = "mnuSmall";
inline constexpr std::string_view kMnuMedium = "mnuMedium";
inline constexpr std::string_view kMnuLarge = "mnuLarge";
inline constexpr std::string_view kMnuVocab = "mnuVocab";
inline constexpr std::string_view kMnuTagOnOff = "mnuTagOnOff";
inline constexpr std::string_view kMnuActiveOnlyDisp = "mnuActiveOnlyDisp";
inline constexpr std::string_view kMnuUseNone = "mnuUseNone";
inline constexpr std::string_view kMnuOneLetter = "mnuOneLetter";
inline constexpr std::string_view kMnuTwoLetter = "mnuTwoLetter";
inline constexpr std::string_view kMnuThreeLetter = "mnuThreeLetter";
inline constexpr std::string_view kMnuFourLetters = "mnuFourLetters";
inline constexpr std::string_view kMnuFiveLetters = "mnuFiveLetters";
inline constexpr std::string_view kMnuSixLetters = "mnuSixLetters";
inline constexpr std::string_view kMnuSevenLetters = "mnuSevenLetters";
inline constexpr std::string_view kMnuAllForms = "mnuAllForms";
inline constexpr std::string_view kMnuFloatingDisplay = "mnuFloatingDisplay";
inline constexpr std::string_view kMnuDispPanel = "mnuDispPanel";
inline constexpr std::string_view kMnuHighlightDisp = "mnuHighlightDisp";
inline constexpr std::string_view kMnuAnchor = "mnuAnchor";
inline constexpr std::string_view kMnuVisibility = "mnuVisibility";
inline constexpr std::string_view kMnuChooseColor = "mnuChooseColor";
inline constexpr std::string_view kMnuAdjustColor = "mnuAdjustColor";
inline constexpr std::string_view kMnuDefCol = "mnuDefCol";
inline constexpr std::string_view kMnuDefButtonColor = "mnuDefButtonColor";
inline constexpr std::string_view kMnuDefPickColor = "mnuDefPickColor";
inline constexpr std::string_view kMnuDefDispColor = "mnuDefDispColor";
inline constexpr std::string_view kMnuDisplayLists = "mnuDisplayLists";
inline constexpr std::string_view kMnuAddedShFms = "mnuAddedShFms";
inline constexpr std::string_view kMnuActivatedSFs = "mnuActivatedSFs";
inline constexpr std::string_view kMnuSingleLetter = "mnuSingleLetter";
inline constexpr std::string_view kMnuListTwoLet = "mnuListTwoLet";
inline constexpr std::string_view kMnuListTwoThree = "mnuListTwoThree";
inline constexpr std::string_view kMnuListThreeFour = "mnuListThreeFour";
inline constexpr std::string_view kMnuListUpToThreeSix = "mnuListUpToThreeSix";
inline constexpr std::string_view kMnuListUpToThreeEight = "mnuListUpToThreeEight";
inline constexpr std::string_view kMnuListUpToFourTen = "mnuListUpToFourTen";
inline constexpr std::string_view kMnuListUpToSevenTwelve = "mnuListUpToSevenTwelve";
inline constexpr std::string_view kMnuStatsDisp = "mnuStatsDisp";
inline constexpr std::string_view kMnuDispStatsTyping = "mnuDispStatsTyping";
inline constexpr std::string_view kMnuDispStatsEnd = "mnuDispStatsEnd";
inline constexpr std::string_view kMnuCtrlSpace = "mnuCtrlSpace";
inline constexpr std::string_view kMnuTipOfDay = "mnuTipOfDay";
inline constexpr std::string_view kMnuProtect = "mnuProtect";
inline constexpr std::string_view kMnuCatchCopy = "mnuCatchCopy";
inline constexpr std::string_view kMnuShowClipsOnCopy = "mnuShowClipsOnCopy";
inline constexpr std::string_view kMnuHelp = "mnuHelp";
inline constexpr std::string_view kMnuHowToUse = "mnuHowToUse";
inline constexpr std::string_view kMnuAboutKeyvane = "mnuAboutKeyvane";

// The floating display panel.
inline constexpr std::string_view kFrmKVDisp = "frmKVDisp";
inline constexpr std::string_view kLblKVDisp = "lblKVDisp";

// The tips window.
inline constexpr std::string_view kFrmKVHelp = "frmKVHelp";
inline constexpr std::string_view kLblTipNum = "lblTipNum";
inline constexpr std::string_view kTxtKVHelp = "txtKVHelp";
inline constexpr std::string_view kCmdPrevious = "cmdPrevious";
inline constexpr std::string_view kCmdNext = "cmdNext";
inline constexpr std::string_view kCmdOK = "cmdOK";
inline constexpr std::string_view kChkDontShow = "chkDontShow";

// The colour dialog.
inline constexpr std::string_view kFrmColor = "frmColor";
inline constexpr std::string_view kChkMain = "chkMain";
inline constexpr std::string_view kChkButtons = "chkButtons";
inline constexpr std::string_view kChkQuibList = "chkQuibList";
inline constexpr std::string_view kChkDispPanel = "chkDispPanel";
inline constexpr std::string_view kLblBlue = "lblBlue";
inline constexpr std::string_view kVScroll1 = "VScroll1";
inline constexpr std::string_view kLblGreen = "lblGreen";
inline constexpr std::string_view kVScroll2 = "VScroll2";
inline constexpr std::string_view kLblRed = "lblRed";
inline constexpr std::string_view kVScroll3 = "VScroll3";
inline constexpr std::string_view kLblHex = "lblHex";
inline constexpr std::string_view kLblDec = "lblDec";

// The customize dialog: the spaces that Ctrl+Space and Ctrl+quote type.
inline constexpr std::string_view kFrmDat = "frmDat";
inline constexpr std::string_view kLblDatInfo = "lblDatInfo";
inline constexpr std::string_view kLblDat1 = "lblDat1";
inline constexpr std::string_view kTxtDat1 = "txtDat1";
inline constexpr std::string_view kLblDat2 = "lblDat2";
inline constexpr std::string_view kTxtDat2 = "txtDat2";
inline constexpr std::string_view kCmdDat1 = "cmdDat1";

// The short-form editor. The Quib List names its short-form column and label as the editor
// names its short-form box and label.
inline constexpr std::string_view kFrmEdit = "frmEdit";
inline constexpr std::string_view kLblShFm = "lblShFm";
inline constexpr std::string_view kTxtShFm = "txtShFm";
inline constexpr std::string_view kLblExpTo = "lblExpTo";
inline constexpr std::string_view kTxtExpTo = "txtExpTo";
inline constexpr std::string_view kChkActivated = "chkActivated";
inline constexpr std::string_view kChkAdded = "chkAdded";
inline constexpr std::string_view kCmdPaste = "cmdPaste";
inline constexpr std::string_view kCmdCallDict = "cmdCallDict";
inline constexpr std::string_view kCmdExitSave = "cmdExitSave";
inline constexpr std::string_view kCmdRepeatNoSave = "cmdRepeatNoSave";
inline constexpr std::string_view kCmdDelete = "cmdDelete";
inline constexpr std::string_view kLblRemoveInfo = "lblRemoveInfo";
inline constexpr std::string_view kLblRemoveInfo2 = "lblRemoveInfo2";

// The Quib List.
inline constexpr std::string_view kFrmPick = "frmPick";
inline constexpr std::string_view kLblExp = "lblExp";
inline constexpr std::string_view kLblPasteExit = "lblPasteExit";
inline constexpr std::string_view kTxtExp = "txtExp";
