// Resource ids shared by the resource script and the dialogs.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_TAVCOPYTOOL_DIALOG 102
#define IDR_MAINFRAME 128
#define IDD_DISC_WAIT 129
#define IDD_COPY_DEST 130
#define IDD_COPY_SELECT 131
#define IDD_MOVE_LIST 132
#define IDD_MOVE_DEST 133
#define IDD_DELETE_LIST 134

#define IDM_ABOUTBOX 0x0010

// Main menu buttons.
#define IDC_COPY 1000
#define IDC_MOVE 1001
#define IDC_DELETE 1002
#define IDC_EXIT 1003
#define IDC_USAGE 1033

// Shared by the wizard dialogs.
#define IDC_DEST_FOLDER 1005
#define IDC_DATA_LIST 1014
#define IDC_DATASET_LINE 1015
#define IDC_DRIVE_LIST 1031

// Content selection: check boxes, size labels and descriptions per kind.
#define IDC_CHECK_ICHITARO 1007
#define IDC_CHECK_WORD 1008
#define IDC_CHECK_PDF 1009
#define IDC_CHECK_TIF 1010
#define IDC_CHECK_TXT 1011
#define IDC_CHECK_TXT0 1012
#define IDC_CHECK_VOICE 1013
#define IDC_DESC_ICHITARO 1016
#define IDC_DESC_WORD 1017
#define IDC_DESC_PDF 1018
#define IDC_DESC_TIF 1019
#define IDC_DESC_TXT 1020
#define IDC_DESC_TXT0 1021
#define IDC_SIZE_ICHITARO 1022
#define IDC_SIZE_WORD 1023
#define IDC_SIZE_PDF 1024
#define IDC_SIZE_TIF 1025
#define IDC_SIZE_TXT 1026
#define IDC_SIZE_TXT0 1027
#define IDC_SIZE_VOICE 1028
#define IDC_REQUIRED_SPACE 1029
#define IDC_DESC_VOICE 1030
