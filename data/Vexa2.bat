@echo off
rem Vexa2.bat: the typesetting dispatcher of the Vexa2 plug-in.
rem
rem The plug-in starts this file in a new console, in the root file's folder,
rem and passes everything through environment variables:
rem   Vexa2_Type          what to run, 1 to 10 (see below)
rem   Vexa2_Set           1 = plain tool lines, 2 = lines with source specials
rem   Vexa2_cmd           full path of the command file Vexa2cmd.bat
rem   Vexa2_CFName        root file name, without folder and extension
rem   Vexa2_CFPath        root file folder
rem   Vexa2_FName         edited file name, without folder and extension
rem   Vexa2_FPath         edited file folder
rem   Vexa2_Line          caret line in the edited file, from 1
rem   Vexa2_PSize         paper size for the DVI previewer, may be empty
rem   Vexa2_New           1 when the plug-in has just saved the document
rem   Vexa2_PSPDFDefault  1 to make PDF through PostScript
rem   Vexa2_AutoClose     0 to keep the console open until a key is pressed
rem   Vexa2_ShortMake     1 to skip lead-in steps whose output is up to date
rem   Vexa2_DviFresh      1 when the root's DVI file is newer than the root
rem                       file and than the edited file
rem   Vexa2_PSFresh       1 when the DVI is fresh and the PostScript file is
rem                       newer than it
rem   Vexa2_PDFFresh      1 when the DVI is fresh and the PDF file is newer
rem                       than it
rem   Vexa2_DLLPath       the plug-in folder
rem   Vexa2_ImageFile, Vexa2_ImageFileName   image conversion only
rem   TEXEDIT             inverse-search command for the previewer
rem
rem The tool command lines live in the command file, one labelled section per
rem step and set: tex1 bib1 index1 dvips1 dvipdf1 pspdf1 dviview1 psview1
rem pdfview1 jpeg2ps1, and the same names ending in 2. A step is run as
rem     call "command file" tex1
rem and the command file jumps to the label given as its first argument.
rem The DVI previewer section also gets a second argument, paper or plain:
rem paper when Vexa2_PSize is not empty, for the variant that passes the size.
rem
rem What each type runs. Steps marked + are lead-in steps, steps marked ?
rem run only when the document needs them; see below for both.
rem   1  typeset               tex
rem   2  typeset everything    tex, ?bib, ?index, tex, tex
rem   3  PDF                   +tex, dvipdf
rem                            with Vexa2_PSPDFDefault 1: +tex, dvips, pspdf
rem   4  PostScript            +tex, dvips
rem   5  PDF through PS        +tex, dvips, pspdf
rem   6  DVI preview           +tex, dviview
rem   7  PostScript preview    +tex, +dvips, psview
rem   8  PDF preview           +tex, +dvipdf, pdfview
rem                            with Vexa2_PSPDFDefault 1: +tex, +dvips, +pspdf, pdfview
rem   9  nothing here: the plug-in starts Vexa2Usr.bat for this type
rem  10  image to EPS          jpeg2ps
rem
rem The bibliography step runs only when the root's .aux file, just written
rem by the first TeX pass, names a database (a \bibdata line), or when the
rem pass left a .bcf file, biblatex's request to biber; the index
rem step only when the root's .idx file exists. The tools end with an error
rem when they have nothing to do, and that must not stop a document without
rem a bibliography or an index before its last TeX passes.
rem
rem Lead-in steps bring the input of the last step up to date. With
rem Vexa2_ShortMake 0 they always run. With Vexa2_ShortMake 1 a lead-in step
rem is skipped only when the plug-in reports its output up to date
rem (Vexa2_DviFresh, Vexa2_PSFresh, Vexa2_PDFFresh; the plug-in compares the
rem file times, which cmd.exe cannot do reliably). It runs when its variable
rem is not 1, when its output file is missing, when the plug-in has just
rem saved the document (Vexa2_New 1), or when an earlier step of the run has
rem already produced new output.
rem
rem A step that ends with a nonzero exit code stops the run; the console then
rem waits for a key whatever Vexa2_AutoClose says, so the error can be read.
rem
rem File names arrive in variables and may hold characters that cmd.exe
rem treats specially. This file expands them only inside double quotes,
rem never inside parenthesised blocks and never as call arguments, and it
rem turns delayed expansion off, so such a name cannot start anything else.
rem Lines of the command file that start with call expand variables a
rem second time; a name holding a percent sign or a caret is changed there.

setlocal EnableExtensions DisableDelayedExpansion
rem Viewer lines start with this prefix so that the run does not wait for
rem the viewer to close.
set "Vexa2_start=start """
set "Vexa2d_set=1"
if "%Vexa2_Set%"=="2" set "Vexa2d_set=2"
set "Vexa2d_stale=0"
if not "%Vexa2_ShortMake%"=="1" set "Vexa2d_stale=1"
if "%Vexa2_New%"=="1" set "Vexa2d_stale=1"
set "Vexa2d_failed="
set "Vexa2d_variant=paper"
if "%Vexa2_PSize%"=="" set "Vexa2d_variant=plain"
rem Windows' own find, even when another program of that name comes first
rem in the path.
set "Vexa2d_find=find"
if exist "%SystemRoot%\system32\find.exe" set "Vexa2d_find=%SystemRoot%\system32\find.exe"

if "%Vexa2_cmd%"=="" goto nocommandfile
if not exist "%Vexa2_cmd%" goto nocommandfile

if "%Vexa2_Type%"=="1" goto type1
if "%Vexa2_Type%"=="2" goto type2
if "%Vexa2_Type%"=="3" goto type3
if "%Vexa2_Type%"=="4" goto type4
if "%Vexa2_Type%"=="5" goto type5
if "%Vexa2_Type%"=="6" goto type6
if "%Vexa2_Type%"=="7" goto type7
if "%Vexa2_Type%"=="8" goto type8
if "%Vexa2_Type%"=="9" goto type9
if "%Vexa2_Type%"=="10" goto type10
echo Vexa2: unknown command type "%Vexa2_Type%".
goto failed

:type1
call :step tex
goto finish

:type2
call :step tex
call :bibstep
call :indexstep
call :step tex
call :step tex
goto finish

:type3
call :leadin tex dvi
if "%Vexa2_PSPDFDefault%"=="1" goto type3ps
call :step dvipdf
goto finish
:type3ps
call :step dvips
call :step pspdf
goto finish

:type4
call :leadin tex dvi
call :step dvips
goto finish

:type5
call :leadin tex dvi
call :step dvips
call :step pspdf
goto finish

:type6
call :leadin tex dvi
call :step dviview %Vexa2d_variant%
goto finish

:type7
call :leadin tex dvi
call :leadin dvips ps
call :step psview
goto finish

:type8
call :leadin tex dvi
if "%Vexa2_PSPDFDefault%"=="1" goto type8ps
call :leadin dvipdf pdf
call :step pdfview
goto finish
:type8ps
call :leadin dvips ps
call :leadin pspdf pdf
call :step pdfview
goto finish

:type9
echo Vexa2: type 9 runs Vexa2Usr.bat; this file has nothing to do.
goto finish

:type10
call :step jpeg2ps
goto finish

rem Runs the section named by the first argument in the current set,
rem passing the second argument on. Nothing happens once a step failed.
:step
if defined Vexa2d_failed goto :eof
rem Clears the exit code, so that only this step's own can fail it (a
rem section that runs nothing would otherwise keep an earlier test's).
(call )
call "%Vexa2_cmd%" %1%Vexa2d_set% %2
if errorlevel 1 set "Vexa2d_failed=%1%Vexa2d_set%"
goto :eof

rem Runs a lead-in step (first argument) when its output, the root name
rem with the extension given as second argument, needs it.
:leadin
if "%Vexa2d_stale%"=="1" goto leadinrun
if not exist "%Vexa2_CFName%.%2" goto leadinrun
if "%2"=="dvi" if not "%Vexa2_DviFresh%"=="1" goto leadinrun
if "%2"=="ps" if not "%Vexa2_PSFresh%"=="1" goto leadinrun
if "%2"=="pdf" if not "%Vexa2_PDFFresh%"=="1" goto leadinrun
goto :eof
:leadinrun
set "Vexa2d_stale=1"
call :step %1
goto :eof

rem The bibliography step, when the root's .aux file names a database or
rem biblatex asked biber for one.
rem find ends with a nonzero code when the line or the file is missing.
:bibstep
if defined Vexa2d_failed goto :eof
if exist "%Vexa2_CFName%.bcf" goto bibrun
"%Vexa2d_find%" "\bibdata" "%Vexa2_CFName%.aux" >nul 2>&1
if errorlevel 1 goto :eof
:bibrun
call :step bib
goto :eof

rem The index step, when the first TeX pass wrote index entries. No colon
rem follows the name on the test line: Wine's cmd.exe expands a percent sign
rem in the name again and would read a colon as part of a substitution.
:indexstep
if exist "%Vexa2_CFName%.idx" goto indexrun
goto :eof
:indexrun
call :step index
goto :eof

:finish
if defined Vexa2d_failed goto failed
if not "%Vexa2_AutoClose%"=="1" pause
endlocal
exit /b 0

:nocommandfile
echo Vexa2: the command file "%Vexa2_cmd%" was not found.
goto stop

:failed
if defined Vexa2d_failed echo Vexa2: the step %Vexa2d_failed% failed; the steps after it were not run.
:stop
pause
endlocal
exit /b 1
