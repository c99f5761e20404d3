// Identifiers shared by the resource script and the code.
#ifndef VORN_SHELL_RESOURCE_H
#define VORN_SHELL_RESOURCE_H

#define IDR_TRAYMENU 101
#define IDI_APPICON 103
#define IDM_EXIT 40005
#define IDM_VERSION 40006

#endif
