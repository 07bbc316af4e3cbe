KESTRO placeholder graphics
channel folder: ssporttv
file: misc16.fsh
