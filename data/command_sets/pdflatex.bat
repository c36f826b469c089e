@echo off
rem Name: pdfLaTeX, BibTeX, makeindex (SyncTeX)
rem pdflatex.bat: a command set for the Vexa2 plug-in. pdfLaTeX writes the PDF itself; the steps that need a DVI file say so and fail.
rem Loaded from the make settings page, it replaces the command file
rem Vexa2cmd.bat; the plug-in rewrites its lines as it does those of that file.
rem
rem Vexa2.bat runs one step at a time by calling this file with the name of
rem a section, for example tex1, and the line below jumps to that label.
rem Sections ending in 1 form the plain set, those ending in 2 the set used
rem while the jump mode is on: the TeX step writes SyncTeX data in both, and
rem the PDF viewer of set 2 opens the PDF at the caret's line and hands it
rem the editor's inverse-search command (from TEXEDIT) for the way back.
rem
rem The plug-in's settings page rewrites two lines of each section: the
rem third line after the label, the echo, and the sixth, the command. In the
rem two DVI previewer sections it rewrites lines 4 and 7 after the label,
rem the variant that passes the paper size, and lines 12 and 15, the plain
rem variant. Keep the labels and those positions; everything else here is
rem yours to change and is kept when the plug-in rewrites the file.
rem
rem A label line holds nothing but the label, without trailing blanks.
rem Viewer lines start with the prefix that Vexa2.bat defines for starting a
rem program without waiting for it.

if "%~1"=="" goto :eof
goto %~1

:tex1
rem TeX compiler, plain set
rem
echo    "pdflatex" -synctex=1 "%Vexa2_CFName%.tex"
rem
rem
"pdflatex" -synctex=1 "%Vexa2_CFName%.tex"
goto :eof

:bib1
rem bibliography, plain set
rem
echo    "bibtex" "%Vexa2_CFName%"
rem
rem
"bibtex" "%Vexa2_CFName%"
goto :eof

:index1
rem index, plain set
rem
echo    "makeindex" "%Vexa2_CFName%.idx"
rem
rem
"makeindex" "%Vexa2_CFName%.idx"
goto :eof

:dvips1
rem DVI to PostScript, plain set
rem
echo    call :nodvi dvips
rem
rem
call :nodvi dvips
goto :eof

:dvipdf1
rem DVI to PDF, plain set
rem
echo    call :pdfready dvipdf
rem
rem
call :pdfready dvipdf
goto :eof

:pspdf1
rem PostScript to PDF, plain set
rem
echo    call "ps2pdf" "%Vexa2_CFName%.ps" "%Vexa2_CFName%.pdf"
rem
rem
call "ps2pdf" "%Vexa2_CFName%.ps" "%Vexa2_CFName%.pdf"
goto :eof

:dviview1
rem DVI previewer, plain set; Vexa2.bat passes paper or plain
if "%~2"=="plain" goto dviview1plain
rem with the paper size
echo    call :nodvi -y=%Vexa2_PSize% dviview
rem
rem
call :nodvi -y=%Vexa2_PSize% dviview
goto :eof
:dviview1plain
rem without the paper size
rem
echo    call :nodvi dviview
rem
rem
call :nodvi dviview
goto :eof

:psview1
rem PostScript viewer, plain set
rem
echo    %Vexa2_start% "gsview32.exe" "%Vexa2_CFPath%\%Vexa2_CFName%.ps"
rem
rem
%Vexa2_start% "gsview32.exe" "%Vexa2_CFPath%\%Vexa2_CFName%.ps"
goto :eof

:pdfview1
rem PDF viewer, plain set
rem
echo    %Vexa2_start% "SumatraPDF.exe" -reuse-instance "%Vexa2_CFPath%\%Vexa2_CFName%.pdf"
rem
rem
%Vexa2_start% "SumatraPDF.exe" -reuse-instance "%Vexa2_CFPath%\%Vexa2_CFName%.pdf"
goto :eof

:jpeg2ps1
rem image to EPS, plain set
rem
echo    "jpeg2ps" -h -o "%Vexa2_ImageFileName%.eps" "%Vexa2_ImageFile%"
rem
rem
"jpeg2ps" -h -o "%Vexa2_ImageFileName%.eps" "%Vexa2_ImageFile%"
goto :eof

:tex2
rem TeX compiler, jump set
rem
echo    "pdflatex" -synctex=1 "%Vexa2_CFName%.tex"
rem
rem
"pdflatex" -synctex=1 "%Vexa2_CFName%.tex"
goto :eof

:bib2
rem bibliography, jump set
rem
echo    "bibtex" "%Vexa2_CFName%"
rem
rem
"bibtex" "%Vexa2_CFName%"
goto :eof

:index2
rem index, jump set
rem
echo    "makeindex" "%Vexa2_CFName%.idx"
rem
rem
"makeindex" "%Vexa2_CFName%.idx"
goto :eof

:dvips2
rem DVI to PostScript, jump set
rem
echo    call :nodvi dvips
rem
rem
call :nodvi dvips
goto :eof

:dvipdf2
rem DVI to PDF, jump set
rem
echo    call :pdfready dvipdf
rem
rem
call :pdfready dvipdf
goto :eof

:pspdf2
rem PostScript to PDF, jump set
rem
echo    call "ps2pdf" "%Vexa2_CFName%.ps" "%Vexa2_CFName%.pdf"
rem
rem
call "ps2pdf" "%Vexa2_CFName%.ps" "%Vexa2_CFName%.pdf"
goto :eof

:dviview2
rem DVI previewer, jump set; Vexa2.bat passes paper or plain
if "%~2"=="plain" goto dviview2plain
rem with the paper size
echo    call :nodvi -y=%Vexa2_PSize% dviview
rem
rem
call :nodvi -y=%Vexa2_PSize% dviview
goto :eof
:dviview2plain
rem without the paper size
rem
echo    call :nodvi dviview
rem
rem
call :nodvi dviview
goto :eof

:psview2
rem PostScript viewer, jump set
rem
echo    %Vexa2_start% "gsview32.exe" "%Vexa2_CFPath%\%Vexa2_CFName%.ps"
rem
rem
%Vexa2_start% "gsview32.exe" "%Vexa2_CFPath%\%Vexa2_CFName%.ps"
goto :eof

:pdfview2
rem PDF viewer, jump set
call :editor
echo    %Vexa2_start% "SumatraPDF.exe" -reuse-instance -inverse-search "\"%Vexa2s_editor%\" /l %%l \"%%f\"" -forward-search "%Vexa2_FPath%\%Vexa2_FName%.tex" %Vexa2_Line% "%Vexa2_CFPath%\%Vexa2_CFName%.pdf"
rem
rem
%Vexa2_start% "SumatraPDF.exe" -reuse-instance -inverse-search "\"%Vexa2s_editor%\" /l %%l \"%%f\"" -forward-search "%Vexa2_FPath%\%Vexa2_FName%.tex" %Vexa2_Line% "%Vexa2_CFPath%\%Vexa2_CFName%.pdf"
goto :eof

:jpeg2ps2
rem image to EPS, jump set
rem
echo    "jpeg2ps" -h -o "%Vexa2_ImageFileName%.eps" "%Vexa2_ImageFile%"
rem
rem
"jpeg2ps" -h -o "%Vexa2_ImageFileName%.eps" "%Vexa2_ImageFile%"
goto :eof

rem Helpers of the sections above (not steps themselves).

rem A step that needs a DVI file, which this set does not make.
:nodvi
echo Vexa2: pdflatex writes a PDF, not a DVI file, and this step needs one.
echo Vexa2: load a command set that makes a DVI file for this step.
exit /b 1

rem The PDF step: the TeX step has already written the PDF.
:pdfready
if exist "%Vexa2_CFName%.pdf" exit /b 0
echo Vexa2: pdflatex has not written the PDF; typeset the document first.
exit /b 1

rem The editor's program for the viewer's inverse search: the first word
rem of TEXEDIT, which the plug-in sets to it. The viewer line adds the
rem line option /l and the viewer's placeholders, %l for the line and %f
rem for the file, with inner quotes written as \".
:editor
set "Vexa2s_editor="
if not defined TEXEDIT goto :eof
call :editorfrom %TEXEDIT%
goto :eof
:editorfrom
set "Vexa2s_editor=%~1"
goto :eof
