<?xml version="1.0"?>
<smil>
  <body>
    <seq>
      <img src="checks.pnt"/>
    </seq>
  </body>
</smil>
