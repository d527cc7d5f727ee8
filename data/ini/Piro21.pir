; ПД-4: one-wavelength pyrometer with housing temperature, clock and
; current output; work-mode settings through Mirandel.
[Piro_Option]
PiroType=ПД-4
Dilimiter=/
AprocCodeNum=1
Bitmap=Piro21.png

[Buttons]
acStartStop=1
acBodyTemp=1
acSettings=1
acTimeSynchro=1
acOff=1
acServCom=1
acSaveSignature=1
frmSettings=Mirandel.dll
frmSaveSignature=PiroSignature.dll

[GraphMods]
GModsCount=1
GMods0Title=Температура
GMods0LinesCount=1
GMods0Line0=Температура
GMods0Line0Dim=T°C

[LEDs]
LEDCount=5
LEDCap1=Батарея разряжена
LEDCap2=Tизм<Tmin
LEDCap3=Tизм>Tmax
LEDCap4=Ткорпуса <Ткорпуса min
LEDCap5=Ткорпуса >Ткорпуса max
LEDCap6=
