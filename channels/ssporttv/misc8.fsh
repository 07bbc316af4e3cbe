KESTRO placeholder graphics
channel folder: ssporttv
file: misc8.fsh
