@echo off
rem Vexa2Usr.bat: your own typesetting batch file, an example.
rem
rem The plug-in runs this file for its user batch command (type 9) instead
rem of Vexa2.bat, in a new console, in the root file's folder, with the same
rem environment variables; Vexa2.bat lists them. The plug-in looks for this
rem file in its settings folder.
rem
rem This example typesets the root file twice through the command file, makes
rem a PDF and opens it. The steps are the command file's sections; a section
rem name ends in 1 for the plain set and in 2 for the source-special set.
rem
rem Expand file-name variables only inside double quotes: names may hold
rem characters that cmd.exe treats specially.

setlocal EnableExtensions DisableDelayedExpansion
rem The viewer lines of the command file use this prefix.
set "Vexa2_start=start """
set "Vexa2u_set=1"
if "%Vexa2_Set%"=="2" set "Vexa2u_set=2"

call "%Vexa2_cmd%" tex%Vexa2u_set%
if errorlevel 1 goto failed
call "%Vexa2_cmd%" tex%Vexa2u_set%
if errorlevel 1 goto failed
call "%Vexa2_cmd%" dvipdf%Vexa2u_set%
if errorlevel 1 goto failed
call "%Vexa2_cmd%" pdfview%Vexa2u_set%
if not "%Vexa2_AutoClose%"=="1" pause
endlocal
exit /b 0

:failed
echo Vexa2Usr.bat: a step failed.
pause
endlocal
exit /b 1
