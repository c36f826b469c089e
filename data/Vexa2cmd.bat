@echo off
rem Vexa2cmd.bat: the tool command lines of the Vexa2 plug-in.
rem
rem Vexa2.bat runs one step at a time by calling this file with the name of
rem a section, for example tex1, and the line below jumps to that label.
rem Sections ending in 1 form the plain set, those ending in 2 the set used
rem while source specials are on.
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
echo    "platex" "%Vexa2_CFName%.tex"
rem
rem
"platex" "%Vexa2_CFName%.tex"
goto :eof

:bib1
rem bibliography, plain set
rem
echo    "jbibtex" "%Vexa2_CFName%"
rem
rem
"jbibtex" "%Vexa2_CFName%"
goto :eof

:index1
rem index, plain set
rem
echo    "mendex" "%Vexa2_CFName%.idx"
rem
rem
"mendex" "%Vexa2_CFName%.idx"
goto :eof

:dvips1
rem DVI to PostScript, plain set
rem
echo    "dvipsk" -Pdl "%Vexa2_CFName%.dvi"
rem
rem
"dvipsk" -Pdl "%Vexa2_CFName%.dvi"
goto :eof

:dvipdf1
rem DVI to PDF, plain set
rem
echo    "dvipdfmx" "%Vexa2_CFName%.dvi"
rem
rem
"dvipdfmx" "%Vexa2_CFName%.dvi"
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
echo    %Vexa2_start% "dviout" -y=%Vexa2_PSize% "%Vexa2_CFPath%\%Vexa2_CFName%.dvi"
rem
rem
%Vexa2_start% "dviout" -y=%Vexa2_PSize% "%Vexa2_CFPath%\%Vexa2_CFName%.dvi"
goto :eof
:dviview1plain
rem without the paper size
rem
echo    %Vexa2_start% "dviout" "%Vexa2_CFPath%\%Vexa2_CFName%.dvi"
rem
rem
%Vexa2_start% "dviout" "%Vexa2_CFPath%\%Vexa2_CFName%.dvi"
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
echo    %Vexa2_start% "AcroRd32.exe" "%Vexa2_CFPath%\%Vexa2_CFName%.pdf"
rem
rem
%Vexa2_start% "AcroRd32.exe" "%Vexa2_CFPath%\%Vexa2_CFName%.pdf"
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
rem TeX compiler, source specials
rem
echo    "platex" -src "%Vexa2_CFName%.tex"
rem
rem
"platex" -src "%Vexa2_CFName%.tex"
goto :eof

:bib2
rem bibliography, source specials
rem
echo    "jbibtex" "%Vexa2_CFName%"
rem
rem
"jbibtex" "%Vexa2_CFName%"
goto :eof

:index2
rem index, source specials
rem
echo    "mendex" "%Vexa2_CFName%.idx"
rem
rem
"mendex" "%Vexa2_CFName%.idx"
goto :eof

:dvips2
rem DVI to PostScript, source specials
rem
echo    "dvipsk" -Pdl "%Vexa2_CFName%.dvi"
rem
rem
"dvipsk" -Pdl "%Vexa2_CFName%.dvi"
goto :eof

:dvipdf2
rem DVI to PDF, source specials
rem
echo    "dvipdfmx" "%Vexa2_CFName%.dvi"
rem
rem
"dvipdfmx" "%Vexa2_CFName%.dvi"
goto :eof

:pspdf2
rem PostScript to PDF, source specials
rem
echo    call "ps2pdf" "%Vexa2_CFName%.ps" "%Vexa2_CFName%.pdf"
rem
rem
call "ps2pdf" "%Vexa2_CFName%.ps" "%Vexa2_CFName%.pdf"
goto :eof

:dviview2
rem DVI previewer, source specials; Vexa2.bat passes paper or plain
if "%~2"=="plain" goto dviview2plain
rem with the paper size
echo    %Vexa2_start% "dviout" -y=%Vexa2_PSize% "%Vexa2_CFPath%\%Vexa2_CFName%.dvi" "# %Vexa2_Line% %Vexa2_FName%.tex"
rem
rem
%Vexa2_start% "dviout" -y=%Vexa2_PSize% "%Vexa2_CFPath%\%Vexa2_CFName%.dvi" "# %Vexa2_Line% %Vexa2_FName%.tex"
goto :eof
:dviview2plain
rem without the paper size
rem
echo    %Vexa2_start% "dviout" "%Vexa2_CFPath%\%Vexa2_CFName%.dvi" "# %Vexa2_Line% %Vexa2_FName%.tex"
rem
rem
%Vexa2_start% "dviout" "%Vexa2_CFPath%\%Vexa2_CFName%.dvi" "# %Vexa2_Line% %Vexa2_FName%.tex"
goto :eof

:psview2
rem PostScript viewer, source specials
rem
echo    %Vexa2_start% "gsview32.exe" "%Vexa2_CFPath%\%Vexa2_CFName%.ps"
rem
rem
%Vexa2_start% "gsview32.exe" "%Vexa2_CFPath%\%Vexa2_CFName%.ps"
goto :eof

:pdfview2
rem PDF viewer, source specials
rem
echo    %Vexa2_start% "AcroRd32.exe" "%Vexa2_CFPath%\%Vexa2_CFName%.pdf"
rem
rem
%Vexa2_start% "AcroRd32.exe" "%Vexa2_CFPath%\%Vexa2_CFName%.pdf"
goto :eof

:jpeg2ps2
rem image to EPS, source specials
rem
echo    "jpeg2ps" -h -o "%Vexa2_ImageFileName%.eps" "%Vexa2_ImageFile%"
rem
rem
"jpeg2ps" -h -o "%Vexa2_ImageFileName%.eps" "%Vexa2_ImageFile%"
goto :eof
